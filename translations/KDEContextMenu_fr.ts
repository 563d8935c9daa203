<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>Vous ne pouvez pas copier un dossier dans lui-même.
Le dossier de destination se trouve dans le dossier source.</translation>
        </message>
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>Vous ne pouvez pas copier un dossier par-dessus un dossier qui le contient.
Le dossier à remplacer contient le dossier source.</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE</source>
            <translation>Le nom de fichier %1 existe déjà !</translation>
        </message>
        <message>
            <source>IDS_RENAME_FILE_TITLE</source>
            <translation>Renommer le fichier</translation>
        </message>
    </context>
</TS>
