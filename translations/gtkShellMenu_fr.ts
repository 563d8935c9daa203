<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>FileOperations</name>
        <message>
            <source>IDS_CONFIRM_DELETE</source>
            <translation>Voulez-vous vraiment supprimer ce(s) fichier(s) ?</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Une erreur s'est produite lors de la copie du (des) fichier(s).</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Une erreur s'est produite. Le dossier n'a pas pu être créé.</translation>
        </message>
        <message>
            <source>IDS_ERROR_MOVE_TO_TRASH</source>
            <translation>Une erreur s'est produite lors de la suppression de %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Espace libre insuffisant sur %1.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Dossier</translation>
        </message>
        <message>
            <source>IDS_LINK_TO </source>
            <translation>Lien vers </translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossible de copier les données vers %1.
Vérifiez que vous disposez des droits nécessaires pour effectuer cette opération.</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>Non</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Non pour tout</translation>
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
            <translation>Oui</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Oui pour tout</translation>
        </message>
    </context>
    <context>
        <name>PasteOperation</name>
        <message>
            <source>IDS_ASKOVERWRITE</source>
            <translation>Le fichier %1 existe déjà dans le dossier de destination. Voulez-vous le remplacer ?</translation>
        </message>
        <message>
            <source>IDS_PASTE_ITSELF_ERROR</source>
            <translation>&lt;b&gt;Vous ne pouvez pas copier un dossier dans lui-même.&lt;/b&gt;
Le dossier de destination se trouve dans le dossier source.</translation>
        </message>
    </context>
</TS>
