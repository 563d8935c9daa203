<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Этот файл уже открыт другим приложением. Удалить его невозможно.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Файлы на нетбуке</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Папки на нетбуке</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Файлы на этом компьютере</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Папки на этом компьютере</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>Для использования этой функции требуется KDE 4.x или выше</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Подробности (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Значки (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 уже используется в другом сеансе.
Закройте другой сеанс и нажмите «Повторить».</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>В папке уже есть закладка с тем же адресом; эти закладки не скопированы повторно:
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Не удалось записать эти закладки в %1:
%2
Показаны закладки, которые содержит %1.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>Закладки %1 хранятся в формате, который эта программа не умеет записывать. Они показаны, но изменить их нельзя.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>При этом копировании папки оказались бы вложены глубже, чем может прочитать %1. Ничего не скопировано.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Закладки на нетбуке</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Папки закладок на нетбуке</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Закладки на этом компьютере</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Папки закладок на этом компьютере</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Повторить</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Мой нетбук OPALO™ (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Копировать на нетбук</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Копировать на этот компьютер</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Этот файл уже открыт другим приложением. Удалить его невозможно.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Удалить с нетбука</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 доступен только для чтения: на него ничего нельзя записать.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Скопировать выбранные файлы с нетбука OPALO на компьютер.
На нетбуке OPALO они останутся.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Произошла ошибка. Не удалось создать папку.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Музыка</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Мой компьютер (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Мой нетбук OPALO™ (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Новая папка на нетбуке</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Документы</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Изображения</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Не удалось скопировать данные на %1.
Убедитесь, что у вас есть права на выполнение этой операции.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Скопировать выбранные файлы с компьютера на нетбук OPALO.
На компьютере они останутся.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Закладки</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Видео</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Мой компьютер</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Использование: OpaloSync [%1] [параметры Qt]
Обмен изображениями, музыкой, видео и документами между этим ПК и нетбуком OPALO™, подключённым по USB.

Параметры:
  %1    показать вкладку «Закладки» окна медиафайлов в этом запуске
  --help       показать эту справку и выйти
  --version    показать версию и выйти

Собственные параметры Qt (-platform, -style, -reverse…) действуют, как в любой программе Qt.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>Невозможно скопировать на %1 %n файл:</numerusform>
                <numerusform>Невозможно скопировать на %1 %n файла:</numerusform>
                <numerusform>Невозможно скопировать на %1 %n файлов:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>Невозможно скопировать %1: нужно %2, а в %3 свободно %4.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Нужно %1, а в %2 свободно %3: будет скопировано то, что поместится, остальное — нет.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Копировать под &amp;безопасным именем</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Копировать &amp;остальное</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Скопировать то, что &amp;поместится</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>При копировании произошла ошибка.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Недостаточно свободного места на %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>Имя %1 слишком длинное для %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>У вас нет прав на чтение %1 на %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>Не удалось прочитать %1 с %2: возможно, носитель неисправен.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 доступен только для чтения: на него ничего нельзя записать.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 слишком велик для файловой системы %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>В этой папке нет файлов типа «%1».</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Не удалось скопировать данные на %1.
Убедитесь, что у вас есть права на выполнение этой операции.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>и ещё %1</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>Скопировано %1 из %2.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>Скопировано %1 из %2; остальные — нет.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n файл доставлен с предупреждением:</numerusform>
                <numerusform>%n файла доставлено с предупреждением:</numerusform>
                <numerusform>%n файлов доставлено с предупреждением:</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>изменён во время копирования</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>скопирован, дата не сохранена</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>нетбук был отключён</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>существует и сохранён</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>символическая ссылка, не открыта</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>не удалось прочитать содержимое папки (ошибка чтения)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>не удалось прочитать содержимое папки (нет прав)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>недопустимое имя</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>слишком длинное имя</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>нет прав на чтение</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>нет прав</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>нет места</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>ошибка чтения</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>только для чтения</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>то же имя, что у другого файла, кроме регистра букв, который нетбук не различает</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>слишком большой</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>ошибка записи</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>Оставлены как были, как вы просили: %1.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 оставлен как был, как вы просили.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1: %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n файл скопирован</numerusform>
                <numerusform>%n файла скопировано</numerusform>
                <numerusform>%n файлов скопировано</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n не доставлен</numerusform>
                <numerusform>%n не доставлено</numerusform>
                <numerusform>%n не доставлено</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n уже был</numerusform>
                <numerusform>%n уже было</numerusform>
                <numerusform>%n уже было</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>Скопировать %1 (%2) в %3?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Скопировать выбранные файлы в %1?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Копирование в %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 документ</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>документы, %1 шт.</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 файл</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>файлы, %1 шт.</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 изображение</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>изображения, %1 шт.</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 трек</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>треки, %1 шт.</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 видео</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>видео, %1 шт.</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>папку «%1» на нетбуке</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>папку «%1» на нетбуке</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>папку «%1» на этом компьютере</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>папку «%1» на этом компьютере</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 байт</translation>
        </message>
        <message>
            <source>IDS_SIZE_GB</source>
            <translation>%1 ГБ</translation>
        </message>
        <message>
            <source>IDS_SIZE_KB</source>
            <translation>%1 КБ</translation>
        </message>
        <message>
            <source>IDS_SIZE_MB</source>
            <translation>%1 МБ</translation>
        </message>
        <message>
            <source>IDS_SIZE_TB</source>
            <translation>%1 ТБ</translation>
        </message>
    </context>
    <context>
        <name>Firefox</name>
        <message>
            <source>IDS_FIREFOX_MENU</source>
            <translation>Меню закладок</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Мобильные закладки</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Панель закладок</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Другие закладки</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Дата изменения</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Размер</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Тип</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Папка</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Соединение установлено. Получение информации…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Устройство OPALO™ не подключено</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Произошла ошибка. Убедитесь, что устройство правильно подключено, и повторите попытку.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Произошла ошибка. Убедитесь, что SD-карта расширения памяти не защищена от записи, и повторите попытку.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Поиск устройства OPALO™…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>Файлов: %1</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 файл</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, выбрано: %2 (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, выбрано: %2</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Приложения</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Легко устанавливайте и удаляйте приложения на OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Резервное копирование и восстановление</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Легко создавайте резервные копии данных OPALO и восстанавливайте их.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Мультимедиа</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Легко переносите фотографии, видео, музыку, документы и избранное из Интернета на OPALO и обратно.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Обновление системы</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Легко управляйте обновлениями операционной системы OPALO.</translation>
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
            <translation>Вернуться в главное меню</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Нажмите, чтобы вернуться в главное меню</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Подключить</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Нажмите, чтобы подключиться к нетбуку OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Подключено к OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Подключено к OPALO™, только чтение</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Подключение…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Ошибка подключения</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Устройство OPALO™ не обнаружено</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ найден, не подключён: «Подключить» смонтирует его</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>Состояние:</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Файлы открыты (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Пока нельзя отключить (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>OPALO™ можно отключить</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Занято на OPALO: %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Отключить</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Нажмите, чтобы отключиться от нетбука OPALO™</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Свободно</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Свободно: %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Изображения %1, Музыка %2, Видео %3, Другое %4, свободно %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Передача медиафайлов</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Музыка</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Параметры</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Другое</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Изображения</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Общий объём OPALO: %1</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Видео</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>О&amp;тмена</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Закрыть</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;Нет</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Нет д&amp;ля всех</translation>
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
            <translation>&amp;Повторить</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>&amp;Да</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Да для &amp;всех</translation>
        </message>
    </context>
    <context>
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>О&amp;тменить копирование</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Остановить всё копирование; уже скопированные файлы останутся</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Уже есть</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Больше</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>Копируемый</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Новее</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Изображение: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>На нетбуке: %1, изменён %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>На этом компьютере: %1, изменён %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>&amp;Сделать так же для всех остальных файлов</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Оставить оба</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Скопировать рядом с имеющимся файлом под свободным именем с номером</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>Файл %1 уже существует в папке назначения. Что вы хотите сделать?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Заменить</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Заменить имеющийся файл копируемым</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Пропустить</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Оставить имеющийся файл и не копировать этот</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>Не удалось переименовать %1: %2.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>Имя файла %1 уже существует!</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Переименовать файл</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>О&amp;тмена</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 из %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 из %2, %3/с</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Копирование завершено</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Ход копирования</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Копирование файлов</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Оставшееся время: %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Файл %1 из %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Идёт копирование…
Подождите…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync не находит экрана для своего окна: нет доступного X-сервера в DISPLAY и нет дисплея Wayland. Запустите программу от своего имени из сеанса рабочего стола (права суперпользователя ей не нужны); при запуске через sudo сохраните дисплей сеанса: «sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR».</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync запущен суперпользователем в сеансе KDE, где он должен перезапуститься через вспомогательную программу %1. Не удалось запустить вспомогательную программу (%2).
Переустановите программу или запустите её от имени обычного пользователя.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>Удалить безвозвратно файлы (%1): %2?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>Удалить %1 безвозвратно?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Не удалось переименовать файл %1.
Убедитесь, что у вас есть права на выполнение этой операции.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Музыка</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>музыка</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Документы</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>документ</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Изображения</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>изображение</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Видео</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>видео</translation>
        </message>
    </context>
</TS>
