<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>FileOperations</name>
        <message numerus="yes">
            <source>IDS_CONFIRM_DELETE</source>
            <translation>
                <numerusform>Mettre %n fichier à la corbeille ?</numerusform>
                <numerusform>Mettre %n fichiers à la corbeille ?</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Une erreur s'est produite pendant la copie.</translation>
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
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>IDS_NO</source>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>IDS_NOTOALL</source>
            <translation>Non &amp;pour tout</translation>
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
            <translation>&amp;Réessayer</translation>
        </message>
        <message>
            <source>IDS_YES</source>
            <translation>Ou&amp;i</translation>
        </message>
        <message>
            <source>IDS_YESALL</source>
            <translation>Oui pour &amp;tout</translation>
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
        <message>
            <source>IDS_PASTE_OVER_ANCESTOR_ERROR</source>
            <translation>&lt;b&gt;Vous ne pouvez pas copier un dossier par-dessus un dossier qui le contient.&lt;/b&gt;
Le dossier à remplacer contient le dossier source.</translation>
        </message>
    </context>
    <context>
        <name>TransferProgress</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>IDS_COPYING_ITEM</source>
            <translation>Copie de « %1 »…</translation>
        </message>
        <message>
            <source>IDS_COPYING_TITLE</source>
            <translation>Copie des fichiers</translation>
        </message>
        <message>
            <source>IDS_MOVING_ITEM</source>
            <translation>Déplacement de « %1 »…</translation>
        </message>
        <message>
            <source>IDS_MOVING_TITLE</source>
            <translation>Déplacement des fichiers</translation>
        </message>
    </context>
    <context>
        <name>gnomeMenu</name>
        <message>
            <source>IDS_ARRANGE_ITEMS</source>
            <translation>Trier les éléments</translation>
        </message>
        <message>
            <source>IDS_BROWSE_FOLDER</source>
            <translation>Parcourir le dossier</translation>
        </message>
        <message>
            <source>IDS_BY_MODIFICATION_DATE</source>
            <translation>Par date de modification</translation>
        </message>
        <message>
            <source>IDS_BY_NAME</source>
            <translation>Par nom</translation>
        </message>
        <message>
            <source>IDS_BY_SIZE</source>
            <translation>Par taille</translation>
        </message>
        <message>
            <source>IDS_BY_TYPE</source>
            <translation>Par type</translation>
        </message>
        <message>
            <source>IDS_COPY</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>IDS_CREATE_ARCHIVE</source>
            <translation>Créer une archive...</translation>
        </message>
        <message>
            <source>IDS_CREATE_DOCUMENT</source>
            <translation>Créer un document</translation>
        </message>
        <message>
            <source>IDS_CREATE_FOLDER</source>
            <translation>Créer un dossier</translation>
        </message>
        <message>
            <source>IDS_CUT</source>
            <translation>Couper</translation>
        </message>
        <message>
            <source>IDS_EMPTY_FILE</source>
            <translation>Fichier vide</translation>
        </message>
        <message>
            <source>IDS_ENCRYPT</source>
            <translation>Chiffrer…</translation>
        </message>
        <message>
            <source>IDS_EXTRACT_HERE</source>
            <translation>Extraire ici</translation>
        </message>
        <message>
            <source>IDS_MAKE_LINK</source>
            <translation>Créer un lien</translation>
        </message>
        <message>
            <source>IDS_MOVE_TO_TRASH</source>
            <translation>Mettre à la corbeille</translation>
        </message>
        <message>
            <source>IDS_NEW_FILE</source>
            <translation>nouveau fichier</translation>
        </message>
        <message>
            <source>IDS_NORMAL_SIZE</source>
            <translation>Taille normale</translation>
        </message>
        <message>
            <source>IDS_NO_TEMPLATES</source>
            <translation>Aucun modèle installé</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH</source>
            <translation>Ouvrir avec</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Ouvrir avec une autre application...</translation>
        </message>
        <message>
            <source>IDS_PASTE</source>
            <translation>Coller</translation>
        </message>
        <message>
            <source>IDS_PASTE_INTO_FOLDER</source>
            <translation>Coller dans le dossier</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>IDS_RENAME</source>
            <translation>Renommer...</translation>
        </message>
        <message>
            <source>IDS_SHARE_FOLDER</source>
            <translation>Partager le dossier…</translation>
        </message>
        <message>
            <source>IDS_SIGN</source>
            <translation>Signer</translation>
        </message>
        <message>
            <source>IDS_ZOOM_IN</source>
            <translation>Zoom avant</translation>
        </message>
        <message>
            <source>IDS_ZOOM_OUT</source>
            <translation>Zoom arrière</translation>
        </message>
    </context>
    <context>
        <name>openWithDialog</name>
        <message>
            <source>IDS_AVAILABLE_APPLICATIONS</source>
            <translation>Applications disponibles</translation>
        </message>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>IDS_INSTALLED_APPLICATIONS</source>
            <translation>Applications installées</translation>
        </message>
        <message>
            <source>IDS_OPEN</source>
            <translation>&amp;Ouvrir</translation>
        </message>
        <message>
            <source>IDS_OPEN_OTHER_APP_MESSAGE</source>
            <translation>Ouvrir %1 et les autres fichiers de type %2 avec :</translation>
        </message>
        <message>
            <source>IDS_OPEN_WITH_OTHER_APP</source>
            <translation>Ouvrir avec une autre application...</translation>
        </message>
        <message>
            <source>IDS_SELECT_VIEW_DESCR</source>
            <translation>Sélectionnez une application pour afficher sa description.</translation>
        </message>
    </context>
    <context>
        <name>propDialogFiles</name>
        <message>
            <source>IDS_ACCESS</source>
            <translation>Accès :</translation>
        </message>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Dernier accès :</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Autoriser l'exécution du fichier comme un programme</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Général</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Exécution :</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Groupe :</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Emplacement :</translation>
        </message>
        <message>
            <source>IDS_MIME_TYPE</source>
            <translation>Type MIME :</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modifié :</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Vous n'êtes pas le propriétaire, vous ne pouvez donc pas modifier ces permissions.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Autres</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Propriétaire :</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissions</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Lecture seule</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lecture et écriture</translation>
        </message>
        <message>
            <source>IDS_SIZE</source>
            <translation>Taille :</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Type :</translation>
        </message>
    </context>
    <context>
        <name>propDialogFolder</name>
        <message>
            <source>IDS_ACCESSED</source>
            <translation>Dernier accès :</translation>
        </message>
        <message>
            <source>IDS_ACCESS_FILES</source>
            <translation>Accéder aux fichiers</translation>
        </message>
        <message>
            <source>IDS_ALLOW_EXECUTE</source>
            <translation>Autoriser l'exécution du fichier comme un programme</translation>
        </message>
        <message>
            <source>IDS_APPLY_PERMISSIONS</source>
            <translation>&amp;Appliquer les permissions aux fichiers contenus</translation>
        </message>
        <message>
            <source>IDS_BASIC</source>
            <translation>Général</translation>
        </message>
        <message>
            <source>IDS_CLOSE</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>IDS_CONTENTS</source>
            <translation>Contenu :</translation>
        </message>
        <message>
            <source>IDS_CREATE_DELETE_FILES</source>
            <translation>Créer et supprimer des fichiers</translation>
        </message>
        <message>
            <source>IDS_EXECUTE</source>
            <translation>Exécution :</translation>
        </message>
        <message>
            <source>IDS_FILE_ACCESS</source>
            <translation>Accès aux fichiers :</translation>
        </message>
        <message>
            <source>IDS_FOLDER_ACCESS</source>
            <translation>Accès au dossier :</translation>
        </message>
        <message>
            <source>IDS_FREE_SPACE</source>
            <translation>Espace libre :</translation>
        </message>
        <message>
            <source>IDS_GROUP</source>
            <translation>Groupe :</translation>
        </message>
        <message>
            <source>IDS_LIST_FILES_ONLY</source>
            <translation>Lister les fichiers uniquement</translation>
        </message>
        <message>
            <source>IDS_LOCATION</source>
            <translation>Emplacement :</translation>
        </message>
        <message>
            <source>IDS_MODIFIED</source>
            <translation>Modifié :</translation>
        </message>
        <message>
            <source>IDS_NAME</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>IDS_NONE</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>IDS_NOT_OWNER_MESSAGE</source>
            <translation>Vous n'êtes pas le propriétaire, vous ne pouvez donc pas modifier ces permissions.</translation>
        </message>
        <message>
            <source>IDS_OTHERS</source>
            <translation>Autres</translation>
        </message>
        <message>
            <source>IDS_OWNER</source>
            <translation>Propriétaire :</translation>
        </message>
        <message>
            <source>IDS_PERMISSIONS</source>
            <translation>Permissions</translation>
        </message>
        <message>
            <source>IDS_PROPERTIES</source>
            <translation>Propriétés</translation>
        </message>
        <message>
            <source>IDS_READ_ONLY</source>
            <translation>Lecture seule</translation>
        </message>
        <message>
            <source>IDS_READ_WRITE</source>
            <translation>Lecture et écriture</translation>
        </message>
        <message>
            <source>IDS_TYPE</source>
            <translation>Type :</translation>
        </message>
        <message>
            <source>IDS_VOLUME</source>
            <translation>Volume :</translation>
        </message>
    </context>
</TS>
