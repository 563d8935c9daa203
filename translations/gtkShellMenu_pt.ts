<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>Mover %n ficheiro para o lixo?</numerusform>
                <numerusform>Mover %n ficheiros para o lixo?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Ocorreu um erro durante a cópia.</translation>
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
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fechar</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;Não</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Não p&amp;ara todos</translation>
        </message>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>T&amp;entar novamente</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Sim</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Sim para &amp;todos</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;Não pode copiar uma pasta por cima de uma pasta que a contém.&lt;/b&gt;
A pasta a substituir contém a pasta de origem.</translation>
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
            <translation>A copiar «%1»…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>A copiar ficheiros</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>A mover «%1»…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>A mover ficheiros</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Organizar itens</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Explorar a pasta</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Por data de modificação</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Por nome</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Por tamanho</translation>
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
            <translation>Criar arquivo...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Criar documento</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Criar pasta</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Cortar</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Ficheiro vazio</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Cifrar…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Extrair aqui</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Criar ligação</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Mover para o lixo</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>novo ficheiro</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Tamanho normal</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Nenhum modelo instalado</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Abrir com</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Abrir com outra aplicação...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Colar</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Colar na pasta</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriedades</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Mudar o nome...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Partilhar a pasta…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Assinar</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Ampliar</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Reduzir</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Aplicações disponíveis</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Aplicações instaladas</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>A&amp;brir</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Abrir %1 e outros ficheiros do tipo %2 com:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Abrir com outra aplicação...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Selecione uma aplicação para ver a sua descrição.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Acesso:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Acedido:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Permitir executar o ficheiro como programa</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Básico</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fechar</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Executar:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Grupo:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Localização:</translation>
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
            <translation>Nome:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Nenhum</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Não é o dono, por isso não pode alterar estas permissões.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Outros</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Dono:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissões</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriedades</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Só de leitura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Leitura e escrita</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Tamanho:</translation>
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
            <translation>Acedido:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Aceder aos ficheiros</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Permitir executar o ficheiro como programa</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Aplicar permissões aos ficheiros contidos</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Básico</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fechar</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Conteúdo:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Criar e eliminar ficheiros</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Executar:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Acesso aos ficheiros:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Acesso à pasta:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Espaço livre:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Grupo:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Apenas listar ficheiros</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Localização:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modificado:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Nenhum</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Não é o dono, por isso não pode alterar estas permissões.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Outros</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Dono:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissões</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriedades</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Só de leitura</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Leitura e escrita</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Volume:</translation>
        </message>
    </context>
</TS>
