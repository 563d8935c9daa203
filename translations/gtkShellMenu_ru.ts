<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Вы действительно хотите удалить выбранные файлы?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>При копировании файлов произошла ошибка.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Произошла ошибка. Не удалось создать папку.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Произошла ошибка при удалении %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Недостаточно свободного места на %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Ссылка на </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Не удалось скопировать данные на %1.
Убедитесь, что у вас есть права на выполнение этой операции.</translation>
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
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>Файл %1 уже существует в папке назначения. Заменить его?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;Нельзя скопировать папку в саму себя.&lt;/b&gt;
Папка назначения находится внутри исходной папки.</translation>
        </message>
    </context>
</TS>
