<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>¿Seguro que desea eliminar este/estos archivo(s)?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Se ha producido un error al copiar el/los archivo(s).</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Se ha producido un error. No se ha podido crear la carpeta.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Se ha producido un error al eliminar %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>No hay suficiente espacio libre en %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Enlace a </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>No se han podido copiar los datos a %1.
Compruebe que tiene permisos para realizar esta operación.</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>No a todo</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sí a todo</translation>
        </message>
    </context>
    <context>
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>El archivo %1 ya existe en la carpeta de destino. ¿Desea sobrescribirlo?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;No se puede copiar una carpeta dentro de sí misma.&lt;/b&gt;
La carpeta de destino está dentro de la carpeta de origen.</translation>
        </message>
    </context>
</TS>
