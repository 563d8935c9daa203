<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>Переместить %n файл в корзину?</numerusform>
                <numerusform>Переместить %n файла в корзину?</numerusform>
                <numerusform>Переместить %n файлов в корзину?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>При копировании произошла ошибка.</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;Нельзя скопировать папку поверх папки, в которой она находится.&lt;/b&gt;
Заменяемая папка содержит исходную папку.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>О&amp;тмена</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>Копирование «%1»…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Копирование файлов</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>Перемещение «%1»…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Перемещение файлов</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Упорядочить значки</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Обзор папки</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>По дате изменения</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>По имени</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>По размеру</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>По типу</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Копировать</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Создать архив...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Создать документ</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Создать папку</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Вырезать</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Пустой файл</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Зашифровать…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Извлечь сюда</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Создать ссылку</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Переместить в корзину</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>новый файл</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Обычный размер</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Шаблоны не установлены</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Открыть</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Открыть с помощью</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Открыть в другой программе...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Вставить</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Вставить в папку</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Свойства</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Переименовать...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Открыть общий доступ…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Подписать</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Увеличить</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Уменьшить</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Доступные программы</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>О&amp;тмена</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Установленные программы</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>&amp;Открыть</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Открыть %1 и другие файлы типа %2 с помощью:</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Открыть в другой программе...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Выберите программу, чтобы увидеть её описание.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Доступ:</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Доступ:</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Разрешить выполнение файла как программы</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Основные</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Закрыть</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Выполнение:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Группа:</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Расположение:</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>Тип MIME:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Изменён:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Имя:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Вы не владелец, поэтому не можете изменить эти права.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Остальные</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Владелец:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Права</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Свойства</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Только чтение</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Чтение и запись</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Размер:</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Тип:</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Доступ:</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Доступ к файлам</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Разрешить выполнение файла как программы</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Применить права к вложенным файлам</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Основные</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Закрыть</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Содержимое:</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Создание и удаление файлов</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Выполнение:</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Доступ к файлам:</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Доступ к папке:</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Свободно:</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Группа:</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Только просмотр списка файлов</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Расположение:</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Изменён:</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Имя:</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Вы не владелец, поэтому не можете изменить эти права.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Остальные</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Владелец:</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Права</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Свойства</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Только чтение</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Чтение и запись</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Тип:</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Том:</translation>
        </message>
    </context>
</TS>
