<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>¿Mover %n archivo a la papelera?</numerusform>
                <numerusform>¿Mover %n archivos a la papelera?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Se produjo un error durante la copia.</translation>
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
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;errar</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>N&amp;o a todo</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;Aceptar</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Reintentar</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Sí</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sí a &amp;todo</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;No puede copiar una carpeta sobre otra que la contiene.&lt;/b&gt;
La carpeta que se reemplazaría contiene la carpeta de origen.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>Copiando «%1»…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Copiando archivos</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>Moviendo «%1»…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Moviendo archivos</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Organizar los elementos</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Explorar la carpeta</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Por fecha de modificación</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Por nombre</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Por tamaño</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>Por tipo</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Crear un archivador...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Crear un documento</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Crear una carpeta</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Cortar</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Archivo vacío</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Cifrar…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Extraer aquí</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Crear un enlace</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Mover a la papelera</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>archivo nuevo</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Tamaño normal</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>No hay plantillas instaladas</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Abrir con</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Abrir con otra aplicación...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Pegar</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Pegar en la carpeta</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Renombrar...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Compartir la carpeta…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Firmar</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Ampliar</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Reducir</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Aplicaciones disponibles</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Aplicaciones instaladas</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>A&amp;brir</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Abrir %1 y otros archivos de tipo %2 con:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Abrir con otra aplicación...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Seleccione una aplicación para ver su descripción.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Acceso:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Accedido:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Permitir ejecutar el archivo como un programa</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Básico</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;errar</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Ejecutar:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Grupo:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Ubicación:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>Tipo MIME:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modificado:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>No es el propietario, por lo que no puede cambiar estos permisos.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Otros</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Propietario:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permisos</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Solo lectura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lectura y escritura</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Tamaño:</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Tipo:</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Accedido:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Acceder a los archivos</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Permitir ejecutar el archivo como un programa</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Aplicar permisos a los archivos contenidos</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Básico</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>C&amp;errar</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Contenido:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Crear y eliminar archivos</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Ejecutar:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Acceso a archivos:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Acceso a la carpeta:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Espacio libre:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Grupo:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Solo listar archivos</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Ubicación:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modificado:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>No es el propietario, por lo que no puede cambiar estos permisos.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Otros</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Propietario:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permisos</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propiedades</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Solo lectura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lectura y escritura</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Volumen:</translation>
        </message>
    </context>
</TS>
