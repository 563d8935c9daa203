<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Este ficheiro já está aberto por outra aplicação. Não é possível eliminá-lo.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Ficheiros do netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Pastas do netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Pasta</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Ficheiros deste computador</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Pastas deste computador</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>É necessário o KDE 4.x ou superior para utilizar esta função</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Mostrar detalhes (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Mostrar como ícones (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 já está a ser utilizado noutra sessão.
Feche a outra sessão e clique em "Tentar novamente".</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>A pasta já contém um marcador com o mesmo endereço; estes não foram copiados novamente:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Não foi possível guardar estes marcadores em %1:
%2
Os marcadores apresentados são os que %1 contém.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>Os marcadores de %1 estão guardados num formato que este programa não consegue escrever. São apresentados, mas não podem ser alterados.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Esta cópia colocaria pastas umas dentro das outras a uma profundidade maior do que %1 consegue ler. Nada foi copiado.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Marcadores do netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Pastas de marcadores do netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Marcadores deste computador</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Pastas de marcadores deste computador</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Tentar novamente</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>O meu netbook OPALO™ (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Copiar para o netbook</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Copiar para este computador</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Este ficheiro já está aberto por outra aplicação. Não é possível eliminá-lo.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Eliminar do netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 é só de leitura: não é possível escrever nada.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Copiar os ficheiros selecionados do netbook OPALO para o computador.
Permanecem no netbook OPALO.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Ocorreu um erro. Não foi possível criar a pasta.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Pasta</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Música</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>O meu computador (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>O meu netbook OPALO™ (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Nova pasta no netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documentos</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Imagens</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Não foi possível copiar os dados para %1.
Verifique se tem permissões para efectuar esta operação.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Copiar os ficheiros selecionados do computador para o netbook OPALO.
Permanecem no computador.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Marcadores</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vídeos</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>O meu computador</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Utilização: OpaloSync [%1] [opções do Qt]
Troca imagens, música, vídeos e documentos entre este PC e um netbook OPALO™ ligado por USB.

Opções:
  %1    mostra o separador Marcadores da janela de multimédia nesta execução
  --help       mostra esta ajuda e sai
  --version    mostra a versão e sai

As opções próprias do Qt (-platform, -style, -reverse…) aplicam-se como em qualquer programa Qt.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n ficheiro não pode ser copiado para %1:</numerusform>
                <numerusform>%n ficheiros não podem ser copiados para %1:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>Não é possível copiar %1: são precisos %2 e %3 tem %4 livres.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Precisam de %1 e %2 tem %3 livres: será copiado o que couber, o resto não.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Copiar com um nome &amp;seguro</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Copiar o &amp;resto</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Copiar o que &amp;couber</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Ocorreu um erro durante a cópia.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Não existe espaço livre suficiente em %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>O nome %1 é demasiado longo para %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>Não tem permissão para ler %1 em %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>Não foi possível ler %1 de %2: o suporte pode estar com falhas.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 é só de leitura: não é possível escrever nada.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 é demasiado grande para o sistema de ficheiros de %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Esta pasta não contém ficheiros de %1.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Não foi possível copiar os dados para %1.
Verifique se tem permissões para efectuar esta operação.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>e mais %1</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 de %2 copiados.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 de %2 copiados; os restantes não.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n ficheiro chegou com um aviso:</numerusform>
                <numerusform>%n ficheiros chegaram com um aviso:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>alterado durante a cópia</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>copiado, data não mantida</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>o netbook foi removido</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>existe e foi mantido</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>ligação simbólica, não seguida</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>não foi possível listar o seu conteúdo (erro de leitura)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>não foi possível listar o seu conteúdo (sem permissões)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>nome não permitido</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>nome demasiado longo</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>sem permissão de leitura</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>sem permissões</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>sem espaço</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>erro de leitura</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>só de leitura</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>o mesmo nome que outro ficheiro exceto maiúsculas e minúsculas, que o netbook não distingue</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>demasiado grande</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>erro de escrita</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 mantidos como estavam, como pediu.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 mantido como estava, como pediu.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n ficheiro copiado</numerusform>
                <numerusform>%n ficheiros copiados</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n não chegou</numerusform>
                <numerusform>%n não chegaram</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n já existia</numerusform>
                <numerusform>%n já existiam</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>Copiar %1 (%2) para %3?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Copiar os ficheiros selecionados para %1?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>A copiar para %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 documento</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 documentos</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 ficheiro</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 ficheiros</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 imagem</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 imagens</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 música</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 músicas</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 vídeo</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 vídeos</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>a pasta %1 do netbook</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>a pasta «%1» do netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>a pasta %1 deste computador</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>a pasta «%1» deste computador</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 bytes</translation>
        </message>
        <message>
            <source>IDS_SIZE_GB</source>
            <translation>%1 GB</translation>
        </message>
        <message>
            <source>IDS_SIZE_KB</source>
            <translation>%1 kB</translation>
        </message>
        <message>
            <source>IDS_SIZE_MB</source>
            <translation>%1 MB</translation>
        </message>
        <message>
            <source>IDS_SIZE_TB</source>
            <translation>%1 TB</translation>
        </message>
    </context>
    <context>
        <name>Firefox</name>
        <message>
            <source>IDS_FIREFOX_MENU</source>
            <translation>Menu de marcadores</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Marcadores do telemóvel</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Barra de marcadores</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Outros marcadores</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Data de modificação</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Tamanho</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Pasta</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Ligação concluída. A obter as informações…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Nenhum dispositivo OPALO™ ligado</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Ocorreu um erro. Verifique se o dispositivo está bem ligado e tente novamente.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Ocorreu um erro. Certifique-se de que o cartão SD de expansão de memória não está protegido contra escrita e tente novamente.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>A procurar um dispositivo OPALO™…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 ficheiros</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 ficheiro</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, selecionados: %2 (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, selecionados: %2</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Aplicações</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Instale ou desinstale facilmente aplicações no seu OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Cópia de segurança e restauro</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Faça facilmente cópias de segurança dos dados do seu OPALO e restaure-os.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimédia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Transfira facilmente as suas fotografias, vídeos, música, documentos e favoritos da Internet de e para o seu OPALO.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Atualização do sistema</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Faça facilmente a gestão das atualizações do sistema operativo do seu OPALO.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>IDS_APP_VERSION</source>
            <translation>Vantora OPALO™ Sync v%1</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN</source>
            <translation>Voltar ao menu principal</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Clique para voltar ao menu principal</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Ligar</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Clique para ligar ao seu netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Ligado ao OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Ligado ao OPALO™, só de leitura</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>A ligar…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Erro de ligação</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Nenhum dispositivo OPALO™ detetado</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ encontrado, não ligado: «Ligar» monta-o</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Ficheiros abertos (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Ainda não pode desligar (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>Já pode desligar o OPALO™</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Espaço utilizado do OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Desligar</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Clique para desligar do seu netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Espaço livre</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Espaço livre: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Imagens %1, Música %2, Vídeo %3, Outros %4, livre %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Transferir ficheiros multimédia</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Música</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Opções</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Outros</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Imagens</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Espaço total do OPALO: %1</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vídeo</translation>
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
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>&amp;Cancelar cópia</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Parar toda a cópia; os ficheiros já copiados ficam</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Já existente</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Maior</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>A copiar</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Mais recente</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Imagem: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>No netbook: %1, modificado em %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>Neste computador: %1, modificado em %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Fazer o mesmo para todos os ficheiros restantes</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Manter ambos</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Copiá-lo junto ao ficheiro existente, com um nome livre numerado</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>O ficheiro %1 já existe na pasta de destino. O que pretende fazer?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Substituir</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Substituir o ficheiro existente pelo que está a ser copiado</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Ignorar</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Manter o ficheiro existente e não copiar este</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>Não foi possível mudar o nome de %1: %2.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>O nome de ficheiro %1 já existe!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Mudar o nome do ficheiro</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 de %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 de %2 a %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Cópia concluída</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Progresso da cópia</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>A copiar ficheiros</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Tempo restante estimado: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Ficheiro %1 de %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>A copiar…
Aguarde…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Pasta</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>O OpaloSync não encontra nenhum ecrã onde abrir a sua janela: nenhum servidor X utilizável em DISPLAY e nenhum ecrã Wayland. Inicie-o com o seu próprio utilizador a partir da sua sessão de ambiente de trabalho (não precisa de direitos de superutilizador); com sudo, mantenha o ecrã da sua sessão com «sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR».</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>O OpaloSync foi iniciado pelo superutilizador numa sessão KDE, onde tem de reiniciar através do seu programa auxiliar %1. Não foi possível executar o programa auxiliar (%2).
Instale novamente o programa ou inicie-o como utilizador normal.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>Eliminar definitivamente %1 ficheiros: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>Eliminar %1 definitivamente?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Não foi possível mudar o nome do ficheiro %1.
Certifique-se de que tem permissões para efetuar esta operação.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Música</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>música</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documentos</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>documento</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Imagens</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>imagem</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vídeos</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>vídeo</translation>
        </message>
    </context>
</TS>
