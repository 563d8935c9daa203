<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Tem a certeza de que pretende eliminar este(s) ficheiro(s)?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Ocorreu um erro ao copiar o(s) ficheiro(s).</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Ocorreu um erro. Não foi possível criar a pasta.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Ocorreu um erro ao eliminar %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Não existe espaço livre suficiente em %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Pasta</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Ligação para </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Não foi possível copiar os dados para %1.
Verifique se tem permissões para efectuar esta operação.</translation>
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
            <translation>Não</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Não para todos</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sim para todos</translation>
        </message>
    </context>
    <context>
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>O ficheiro %1 já existe na pasta de destino. Pretende substituí-lo?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;Não é possível copiar uma pasta para dentro dela própria.&lt;/b&gt;
A pasta de destino está dentro da pasta de origem.</translation>
        </message>
    </context>
</TS>
