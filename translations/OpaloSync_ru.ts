<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
            <translation>Легко управляйте обновлениями операционной системы OPALO.</translation>
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
            <translation>Легко устанавливайте и удаляйте приложения на OPALO.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Нет для всех</translation>
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
            <translation>Да</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Да для всех</translation>
        </message>
    </context>
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Оставшееся время: %1</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Копирование выбранных файлов…
Пожалуйста, подождите…</translation>
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
