<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Otra aplicación ya tiene abierto este archivo. No se puede eliminar.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Archivos del netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Carpetas del netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Archivos de este ordenador</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Carpetas de este ordenador</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>Se requiere KDE 4.x o superior para utilizar esta función</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Ver detalles (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Ver como iconos (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 ya se está usando en otra sesión.
Cierre la otra sesión y haga clic en «Reintentar».</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>La carpeta ya contiene un marcador con la misma dirección; estos no se han vuelto a copiar:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>No se pudieron guardar estos marcadores en %1:
%2
Los marcadores mostrados son los que contiene %1.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>Los marcadores de %1 están guardados en un formato que este programa no puede escribir. Se muestran, pero no se pueden modificar.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Esta copia anidaría carpetas a más profundidad de la que %1 puede leer. No se ha copiado nada.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Marcadores del netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Carpetas de marcadores del netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Marcadores de este equipo</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Carpetas de marcadores de este equipo</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Reintentar</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mi netbook OPALO™ (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Copiar al netbook</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Copiar a este ordenador</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Otra aplicación ya tiene abierto este archivo. No se puede eliminar.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Eliminar del netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 es de solo lectura: no se puede escribir nada en él.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Copiar los archivos seleccionados de su netbook OPALO a su ordenador.
Se conservan en su netbook OPALO.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Se ha producido un error. No se ha podido crear la carpeta.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Música</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mi PC (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mi netbook OPALO™ (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Nueva carpeta en el netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documentos</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Imágenes</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>No se han podido copiar los datos a %1.
Compruebe que tiene permisos para realizar esta operación.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Copiar los archivos seleccionados de su ordenador a su netbook OPALO.
Se conservan en su ordenador.</translation>
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
            <translation>Mi PC</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Uso: OpaloSync [%1] [opciones de Qt]
Intercambia imágenes, música, vídeos y documentos entre este PC y un netbook OPALO™ conectado por USB.

Opciones:
  %1    muestra la pestaña Marcadores de la ventana de medios en esta ejecución
  --help       muestra esta ayuda y sale
  --version    muestra la versión y sale

Las opciones propias de Qt (-platform, -style, -reverse…) se aplican como en todo programa Qt.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n archivo no se puede copiar a %1:</numerusform>
                <numerusform>%n archivos no se pueden copiar a %1:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>No se puede copiar %1: se necesitan %2 y %3 tiene %4 libres.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Necesitan %1 y %2 tiene %3 libres: se copiará lo que quepa, el resto no.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Copiar con un nombre &amp;seguro</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Copiar el &amp;resto</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Copiar lo que &amp;quepa</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Se produjo un error durante la copia.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>No hay suficiente espacio libre en %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>El nombre %1 es demasiado largo para %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>No tiene permiso para leer %1 en %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>No se pudo leer %1 de %2: puede que el soporte esté fallando.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 es de solo lectura: no se puede escribir nada en él.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 es demasiado grande para el sistema de archivos de %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Esta carpeta no contiene ningún archivo de %1.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>No se han podido copiar los datos a %1.
Compruebe que tiene permisos para realizar esta operación.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>y %1 más</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 de %2 copiados.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 de %2 copiados; el resto no.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n archivo llegó con una advertencia:</numerusform>
                <numerusform>%n archivos llegaron con una advertencia:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>modificado durante la copia</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>copiado, fecha no conservada</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>se retiró el netbook</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>existe y se conservó</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>enlace simbólico, no seguido</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>no se pudo listar su contenido (error de lectura)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>no se pudo listar su contenido (sin permisos)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>nombre no permitido</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>nombre demasiado largo</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>sin permiso de lectura</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>sin permisos</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>sin espacio</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>error de lectura</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>solo lectura</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>el mismo nombre que otro archivo salvo mayúsculas y minúsculas, que el netbook no distingue</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>demasiado grande</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>error de escritura</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 conservados tal cual, como pidió.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 conservado tal cual, como pidió.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n archivo copiado</numerusform>
                <numerusform>%n archivos copiados</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n no llegó</numerusform>
                <numerusform>%n no llegaron</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n ya estaba</numerusform>
                <numerusform>%n ya estaban</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>¿Copiar %1 (%2) a %3?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>¿Copiar los archivos seleccionados a %1?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Copiando a %1</translation>
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
            <translation>1 archivo</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 archivos</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 imagen</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 imágenes</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 canción</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 canciones</translation>
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
            <translation>la carpeta %1 del netbook</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>la carpeta «%1» del netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>la carpeta %1 de este ordenador</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>la carpeta «%1» de este ordenador</translation>
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
            <translation>Menú de marcadores</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Marcadores del móvil</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Barra de marcadores</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Otros marcadores</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Fecha de modificación</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Carpeta</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Conexión establecida. Obteniendo la información…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>No hay ningún dispositivo OPALO™ conectado</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Se ha producido un error. Compruebe que el dispositivo está bien conectado e inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Se ha producido un error. Asegúrese de que la tarjeta SD de ampliación de memoria no está protegida contra escritura e inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Buscando un dispositivo OPALO™…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 archivos</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 archivo</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, seleccionados: %2 (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, seleccionados: %2</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Aplicaciones</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Instale o desinstale fácilmente aplicaciones en su OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Copia de seguridad y restauración</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Haga copias de seguridad de los datos de su OPALO y restáurelos fácilmente.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimedia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Transfiera fácilmente sus fotos, vídeos, música, documentos y favoritos de Internet a su OPALO o desde él.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Actualización del sistema</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Gestione fácilmente las actualizaciones del sistema operativo de su OPALO.</translation>
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
            <translation>Volver al menú principal</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Haga clic para volver al menú principal</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Haga clic para conectarse a su netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Conectado a OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Conectado a OPALO™, solo lectura</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Conectando…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Error de conexión</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>No se ha detectado ningún dispositivo OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ encontrado, sin conectar: «Conectar» lo monta</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Archivos abiertos (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Aún no se puede desconectar (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>Ya puede desconectar OPALO™</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Espacio usado del OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Haga clic para desconectarse de su netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Espacio libre</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Espacio libre: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Imágenes %1, Música %2, Vídeo %3, Otros %4, libre %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Transferir archivos multimedia</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Música</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Opciones</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Otros</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Imágenes</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Espacio total del OPALO: %1</translation>
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
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>Ca&amp;ncelar copia</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Detener toda la copia; los archivos ya copiados se conservan</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Ya existente</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Más grande</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>Para copiar</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Más reciente</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Imagen: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>En el netbook: %1, modificado el %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>En este ordenador: %1, modificado el %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Hacer lo mismo con todos los archivos restantes</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Conservar ambos</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Copiarlo junto al archivo existente, con un nombre libre numerado</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>El archivo %1 ya existe en la carpeta de destino. ¿Qué desea hacer?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Reemplazar</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Reemplazar el archivo existente por el que se copia</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Omitir</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Conservar el archivo existente y no copiar este</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>No se pudo cambiar el nombre de %1: %2.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>¡El nombre de archivo %1 ya existe!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Cambiar el nombre del archivo</translation>
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
            <translation>Copia terminada</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Progreso de la copia</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Copiando archivos</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Tiempo restante estimado: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Archivo %1 de %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Copiando…
Espere, por favor…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync no encuentra ninguna pantalla donde abrir su ventana: ningún servidor X utilizable en DISPLAY y ninguna pantalla Wayland. Inícielo con su propio usuario desde su sesión de escritorio (no necesita derechos de superusuario); con sudo, conserve la pantalla de su sesión con «sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR».</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync se inició como superusuario en una sesión de KDE, donde debe reiniciarse mediante su programa auxiliar %1. No se pudo ejecutar el programa auxiliar (%2).
Vuelva a instalar el programa o inícielo como usuario normal.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>¿Eliminar definitivamente %1 archivos: %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>¿Eliminar %1 definitivamente?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>No se ha podido cambiar el nombre del archivo %1.
Asegúrese de que tiene los permisos necesarios para realizar esta operación.</translation>
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
            <translation>Imágenes</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>imagen</translation>
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
