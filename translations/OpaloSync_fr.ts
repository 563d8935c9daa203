<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>BaseFrame</name>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Ce fichier est déjà ouvert par une autre application. Impossible de le supprimer.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FILES</source>
            <translation>Fichiers du netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_FOLDERS</source>
            <translation>Dossiers du netbook</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Dossier</translation>
        </message>
        <message>
            <source>IDS_HOST_FILES</source>
            <translation>Fichiers de cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_HOST_FOLDERS</source>
            <translation>Dossiers de cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_KDE3</source>
            <translation>KDE 4.x ou une version ultérieure est nécessaire pour utiliser cette fonction</translation>
        </message>
        <message>
            <source>IDS_VIEW_DETAILS</source>
            <translation>Afficher les détails (Ctrl+Alt+2)</translation>
        </message>
        <message>
            <source>IDS_VIEW_ICONS</source>
            <translation>Afficher en icônes (Ctrl+Alt+1)</translation>
        </message>
    </context>
    <context>
        <name>BookmarkBrowser</name>
        <message>
            <source>IDS_ASK_TO_CLOSE_BROWSER</source>
            <translation>%1 est déjà utilisé dans une autre session.
Fermez l'autre session et cliquez sur « Réessayer ».</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_ALREADY_THERE</source>
            <translation>Le dossier contient déjà un favori de la même adresse ; ceux-ci n'ont pas été copiés une seconde fois :
%1</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_NOT_WRITTEN</source>
            <translation>Ces favoris n'ont pas pu être enregistrés dans %1 :
%2
Les favoris affichés sont ceux que contient %1.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_READ_ONLY</source>
            <translation>Les favoris de %1 sont conservés sous une forme que ce programme ne sait pas écrire. Ils sont affichés, mais rien ne peut y être modifié.</translation>
        </message>
        <message>
            <source>IDS_BOOKMARKS_TOO_DEEP</source>
            <translation>Cette copie imbriquerait des dossiers plus profondément que %1 ne peut le lire. Rien n'a été copié.</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARKS</source>
            <translation>Favoris du netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_BOOKMARK_FOLDERS</source>
            <translation>Dossiers de favoris du netbook</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARKS</source>
            <translation>Favoris de cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_HOST_BOOKMARK_FOLDERS</source>
            <translation>Dossiers de favoris de cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_RETRY</source>
            <translation>&amp;Réessayer</translation>
        </message>
    </context>
    <context>
        <name>BookmarkTreeModel</name>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mon netbook OPALO™ (%1)</translation>
        </message>
    </context>
    <context>
        <name>Browser</name>
        <message>
            <source>IDS_COPY_TO_DEVICE_NAME</source>
            <translation>Copier vers le netbook</translation>
        </message>
        <message>
            <source>IDS_COPY_TO_HOST_NAME</source>
            <translation>Copier vers cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_DELETE_ERROR</source>
            <translation>Ce fichier est déjà ouvert par une autre application. Impossible de le supprimer.</translation>
        </message>
        <message>
            <source>IDS_DELETE_NAME</source>
            <translation>Supprimer du netbook</translation>
        </message>
        <message>
            <source>IDS_DEVICE_READ_ONLY</source>
            <translation>%1 est en lecture seule : rien ne peut y être écrit.</translation>
        </message>
        <message>
            <source>IDS_DOWNLOAD_TIP</source>
            <translation>Copier les fichiers sélectionnés de votre netbook OPALO vers votre ordinateur.
Ils restent sur votre netbook OPALO.</translation>
        </message>
        <message>
            <source>IDS_ERROR_CREATING_DIRECTORY</source>
            <translation>Une erreur s'est produite. Le dossier n'a pas pu être créé.</translation>
        </message>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Dossier</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musique</translation>
        </message>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mon ordinateur (%1)</translation>
        </message>
        <message>
            <source>IDS_MY_OPALO</source>
            <translation>Mon netbook OPALO™ (%1)</translation>
        </message>
        <message>
            <source>IDS_NEW_FOLDER_NAME</source>
            <translation>Nouveau dossier sur le netbook</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Images</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossible de copier les données vers %1.
Vérifiez que vous disposez des droits nécessaires pour effectuer cette opération.</translation>
        </message>
        <message>
            <source>IDS_UPLOAD_TIP</source>
            <translation>Copier les fichiers sélectionnés de votre ordinateur vers votre netbook OPALO.
Ils restent sur votre ordinateur.</translation>
        </message>
        <message>
            <source>IDS_URL</source>
            <translation>Favoris</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vidéos</translation>
        </message>
    </context>
    <context>
        <name>BrowserTreeModel</name>
        <message>
            <source>IDS_MY_COMPUTER</source>
            <translation>Mon ordinateur</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>IDS_HELP_TEXT</source>
            <translation>Utilisation : OpaloSync [%1] [options de Qt]
Échange images, musique, vidéos et documents entre ce PC et un netbook OPALO™ branché en USB.

Options :
  %1    affiche l’onglet Favoris de la fenêtre des médias pour cette fois
  --help       affiche cette aide et quitte
  --version    affiche la version et quitte

Les options propres à Qt (-platform, -style, -reverse…) s’appliquent comme dans tout programme Qt.</translation>
        </message>
    </context>
    <context>
        <name>CopyController</name>
        <message numerus="yes">
            <source>IDS_ASK_BEFORE_COPY</source>
            <translation>
                <numerusform>%n fichier ne peut pas être copié vers %1 :</numerusform>
                <numerusform>%n fichiers ne peuvent pas être copiés vers %1 :</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_CONFIRM_NO_ROOM</source>
            <translation>Impossible de copier %1 : il faut %2, et %3 n'a que %4 de libre.</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_ROOM_FOR_PART</source>
            <translation>Il faut %1, et %2 n'a que %3 de libre : ce qui tient sera copié, le reste non.</translation>
        </message>
        <message>
            <source>IDS_COPY_SAFE_NAMES</source>
            <translation>Copier sous un nom &amp;sûr</translation>
        </message>
        <message>
            <source>IDS_COPY_THE_REST</source>
            <translation>Copier le &amp;reste</translation>
        </message>
        <message>
            <source>IDS_COPY_WHAT_FITS</source>
            <translation>Copier ce qui &amp;tient</translation>
        </message>
        <message>
            <source>IDS_ERROR_COPY_FILE</source>
            <translation>Une erreur s'est produite pendant la copie.</translation>
        </message>
        <message>
            <source>IDS_ERR_DRIVE_SPACE</source>
            <translation>Espace libre insuffisant sur %1.</translation>
        </message>
        <message>
            <source>IDS_ERR_NAME_TOO_LONG</source>
            <translation>Le nom %1 est trop long pour %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_NO_READ_RIGHTS</source>
            <translation>Vous n’avez pas le droit de lire %1 sur %2.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ</source>
            <translation>%1 n’a pas pu être lu sur %2 : le support est peut-être défaillant.</translation>
        </message>
        <message>
            <source>IDS_ERR_READ_ONLY</source>
            <translation>%1 est en lecture seule : rien ne peut y être écrit.</translation>
        </message>
        <message>
            <source>IDS_ERR_TOO_LARGE</source>
            <translation>%1 est trop volumineux pour le système de fichiers de %2.</translation>
        </message>
        <message>
            <source>IDS_NO_SUPPORTED_FILES</source>
            <translation>Ce dossier ne contient aucun fichier %1.</translation>
        </message>
        <message>
            <source>IDS_RIGHTS</source>
            <translation>Impossible de copier les données vers %1.
Vérifiez que vous disposez des droits nécessaires pour effectuer cette opération.</translation>
        </message>
    </context>
    <context>
        <name>CopyReport</name>
        <message>
            <source>IDS_AND_MORE</source>
            <translation>et %1 de plus</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_DONE</source>
            <translation>%1 sur %2 copiés.</translation>
        </message>
        <message>
            <source>IDS_COPY_REPORT_STOPPED</source>
            <translation>%1 sur %2 copiés ; les autres ne l'ont pas été.</translation>
        </message>
        <message numerus="yes">
            <source>IDS_COPY_REPORT_WARNINGS</source>
            <translation>
                <numerusform>%n fichier est arrivé avec un avertissement :</numerusform>
                <numerusform>%n fichiers sont arrivés avec un avertissement :</numerusform>
            </translation>
        </message>
        <message>
            <source>IDS_REASON_CHANGED</source>
            <translation>modifié pendant la copie</translation>
        </message>
        <message>
            <source>IDS_REASON_DATE_NOT_KEPT</source>
            <translation>copié, date non conservée</translation>
        </message>
        <message>
            <source>IDS_REASON_DEVICE_GONE</source>
            <translation>le netbook a été retiré</translation>
        </message>
        <message>
            <source>IDS_REASON_EXISTS_KEPT</source>
            <translation>existe et conservé</translation>
        </message>
        <message>
            <source>IDS_REASON_LINK</source>
            <translation>lien symbolique, non suivi</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_FAILED</source>
            <translation>son contenu n'a pas pu être listé (erreur de lecture)</translation>
        </message>
        <message>
            <source>IDS_REASON_LISTING_REFUSED</source>
            <translation>son contenu n'a pas pu être listé (pas de droits)</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME</source>
            <translation>nom non autorisé</translation>
        </message>
        <message>
            <source>IDS_REASON_NAME_TOO_LONG</source>
            <translation>nom trop long</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_READ_RIGHTS</source>
            <translation>aucun droit de lecture</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_RIGHTS</source>
            <translation>pas de droits</translation>
        </message>
        <message>
            <source>IDS_REASON_NO_SPACE</source>
            <translation>pas d'espace</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ERROR</source>
            <translation>erreur de lecture</translation>
        </message>
        <message>
            <source>IDS_REASON_READ_ONLY</source>
            <translation>lecture seule</translation>
        </message>
        <message>
            <source>IDS_REASON_SAME_NAME_OTHER_CASE</source>
            <translation>le même nom qu’un autre fichier aux majuscules près, que le netbook ne distingue pas</translation>
        </message>
        <message>
            <source>IDS_REASON_TOO_LARGE</source>
            <translation>trop volumineux</translation>
        </message>
        <message>
            <source>IDS_REASON_WRITE_ERROR</source>
            <translation>erreur d'écriture</translation>
        </message>
        <message>
            <source>IDS_REPORT_COUNTS</source>
            <translation>%1, %2, %3.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_AS_ASKED</source>
            <translation>%1 conservés tels quels, comme demandé.</translation>
        </message>
        <message>
            <source>IDS_REPORT_KEPT_ONE</source>
            <translation>1 conservé tel quel, comme demandé.</translation>
        </message>
        <message>
            <source>IDS_REPORT_LINE</source>
            <translation>%1 : %2</translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_COPIED</source>
            <translation>
                <numerusform>%n fichier copié</numerusform>
                <numerusform>%n fichiers copiés</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_FAILED</source>
            <translation>
                <numerusform>%n non arrivé</numerusform>
                <numerusform>%n non arrivés</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>IDS_REPORT_N_THERE</source>
            <translation>
                <numerusform>%n déjà présent</numerusform>
                <numerusform>%n déjà présents</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>CopyWording</name>
        <message>
            <source>IDS_CONFIRM_COPY</source>
            <translation>Copier %1 (%2) dans %3 ?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_COPY_UNSIZED</source>
            <translation>Copier les fichiers sélectionnés dans %1 ?</translation>
        </message>
        <message>
            <source>IDS_COPYING_TO</source>
            <translation>Copie dans %1</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENT</source>
            <translation>1 document</translation>
        </message>
        <message>
            <source>IDS_COUNT_DOCUMENTS</source>
            <translation>%1 documents</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILE</source>
            <translation>1 fichier</translation>
        </message>
        <message>
            <source>IDS_COUNT_FILES</source>
            <translation>%1 fichiers</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURE</source>
            <translation>1 image</translation>
        </message>
        <message>
            <source>IDS_COUNT_PICTURES</source>
            <translation>%1 images</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONG</source>
            <translation>1 morceau</translation>
        </message>
        <message>
            <source>IDS_COUNT_SONGS</source>
            <translation>%1 morceaux</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEO</source>
            <translation>1 vidéo</translation>
        </message>
        <message>
            <source>IDS_COUNT_VIDEOS</source>
            <translation>%1 vidéos</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_CATEGORY</source>
            <translation>le dossier %1 du netbook</translation>
        </message>
        <message>
            <source>IDS_TO_DEVICE_FOLDER</source>
            <translation>le dossier « %1 » du netbook</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_CATEGORY</source>
            <translation>le dossier %1 de cet ordinateur</translation>
        </message>
        <message>
            <source>IDS_TO_HOST_FOLDER</source>
            <translation>le dossier « %1 » de cet ordinateur</translation>
        </message>
    </context>
    <context>
        <name>DataSize</name>
        <message>
            <source>IDS_SIZE_BYTES</source>
            <translation>%1 octets</translation>
        </message>
        <message>
            <source>IDS_SIZE_GB</source>
            <translation>%1 Go</translation>
        </message>
        <message>
            <source>IDS_SIZE_KB</source>
            <translation>%1 ko</translation>
        </message>
        <message>
            <source>IDS_SIZE_MB</source>
            <translation>%1 Mo</translation>
        </message>
        <message>
            <source>IDS_SIZE_TB</source>
            <translation>%1 To</translation>
        </message>
    </context>
    <context>
        <name>Firefox</name>
        <message>
            <source>IDS_FIREFOX_MENU</source>
            <translation>Menu des marque-pages</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_MOBILE</source>
            <translation>Marque-pages des appareils mobiles</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_TOOLBAR</source>
            <translation>Barre personnelle</translation>
        </message>
        <message>
            <source>IDS_FIREFOX_UNFILED</source>
            <translation>Autres marque-pages</translation>
        </message>
    </context>
    <context>
        <name>FolderListModel</name>
        <message>
            <source>IDS_COLUMN_MODIFIED</source>
            <translation>Date de modification</translation>
        </message>
        <message>
            <source>IDS_COLUMN_NAME</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>IDS_COLUMN_SIZE</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>IDS_COLUMN_TYPE</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>IDS_TYPE_FOLDER</source>
            <translation>Dossier</translation>
        </message>
    </context>
    <context>
        <name>GraphicalStatus</name>
        <message>
            <source>IDS_OPALO_SYNC_DATA_COLLECTION</source>
            <translation>Connexion établie. Récupération des informations…</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_DISCONNECTED</source>
            <translation>Aucun appareil OPALO™ connecté</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR</source>
            <translation>Une erreur s'est produite. Vérifiez que l'appareil est correctement connecté, puis réessayez.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_ERROR_READ_ONLY</source>
            <translation>Une erreur s'est produite. Vérifiez que la carte SD d'extension mémoire n'est pas protégée en écriture, puis réessayez.</translation>
        </message>
        <message>
            <source>IDS_OPALO_SYNC_SEARCHING</source>
            <translation>Recherche d'un appareil OPALO™…</translation>
        </message>
    </context>
    <context>
        <name>ListStatusLine</name>
        <message>
            <source>IDS_LIST_FILES</source>
            <translation>%1 fichiers</translation>
        </message>
        <message>
            <source>IDS_LIST_ONE_FILE</source>
            <translation>1 fichier</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED</source>
            <translation>%1, sélectionnés : %2 (%3)</translation>
        </message>
        <message>
            <source>IDS_LIST_SELECTED_FOLDERS</source>
            <translation>%1, sélectionnés : %2</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>IDS_APP_SYNC</source>
            <translation>Applications</translation>
        </message>
        <message>
            <source>IDS_APP_SYNC_DESC</source>
            <translation>Installez ou désinstallez facilement des applications sur votre OPALO.</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE</source>
            <translation>Sauvegarde et restauration</translation>
        </message>
        <message>
            <source>IDS_BACKUP_RESTORE_DESC</source>
            <translation>Sauvegardez et restaurez facilement les données de votre OPALO.</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC</source>
            <translation>Multimédia</translation>
        </message>
        <message>
            <source>IDS_MEDIA_SYNC_DESC</source>
            <translation>Transférez facilement vos photos, vidéos, musiques, documents et favoris Internet vers ou depuis votre OPALO.</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE</source>
            <translation>Mise à jour du système</translation>
        </message>
        <message>
            <source>IDS_SYS_UPDATE_DESC</source>
            <translation>Gérez facilement les mises à jour du système d'exploitation de votre OPALO.</translation>
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
            <translation>Retour au menu principal</translation>
        </message>
        <message>
            <source>IDS_BACK2MAIN_TIP</source>
            <translation>Cliquez pour revenir au menu principal</translation>
        </message>
        <message>
            <source>IDS_CONNECT</source>
            <translation>Connecter</translation>
        </message>
        <message>
            <source>IDS_CONNECT_TIP</source>
            <translation>Cliquez pour vous connecter à votre netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED</source>
            <translation>Connecté à l'OPALO™</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTED_READ_ONLY</source>
            <translation>Connecté à OPALO™, en lecture seule</translation>
        </message>
        <message>
            <source>IDS_CX_CONNECTING</source>
            <translation>Connexion…</translation>
        </message>
        <message>
            <source>IDS_CX_ERROR</source>
            <translation>Erreur de connexion</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_FOUND</source>
            <translation>Aucun appareil OPALO™ détecté</translation>
        </message>
        <message>
            <source>IDS_CX_NOT_MOUNTED</source>
            <translation>OPALO™ détecté, non connecté : « Connecter » le monte</translation>
        </message>
        <message>
            <source>IDS_CX_STATUS</source>
            <translation>État :</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_BUSY</source>
            <translation>Fichiers ouverts (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_FAILED</source>
            <translation>Pas encore débranchable (%1)</translation>
        </message>
        <message>
            <source>IDS_CX_UNPLUG_READY</source>
            <translation>Vous pouvez débrancher l'OPALO™</translation>
        </message>
        <message>
            <source>IDS_DEVICE_USED_SPACE</source>
            <translation>Espace utilisé sur l'OPALO : %1 (%2 %)</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT</source>
            <translation>Déconnecter</translation>
        </message>
        <message>
            <source>IDS_DISCONNECT_TIP</source>
            <translation>Cliquez pour vous déconnecter de votre netbook OPALO™</translation>
        </message>
        <message>
            <source>IDS_FREE</source>
            <translation>Espace libre</translation>
        </message>
        <message>
            <source>IDS_FREE_FIGURE</source>
            <translation>Espace libre : %1</translation>
        </message>
        <message>
            <source>IDS_GAUGE_DESCRIPTION</source>
            <translation>Images %1, Musique %2, Vidéo %3, Autres %4, libre %5</translation>
        </message>
        <message>
            <source>IDS_MAIN</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>IDS_MEDIA</source>
            <translation>Transférer des fichiers multimédias</translation>
        </message>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musique</translation>
        </message>
        <message>
            <source>IDS_OPTIONS</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>IDS_OTHER</source>
            <translation>Autres</translation>
        </message>
        <message>
            <source>IDS_PC_SYNC_TITLE</source>
            <translation>Vantora OPALO™ Sync</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Images</translation>
        </message>
        <message>
            <source>IDS_TOTAL_DEVICE_SPACE</source>
            <translation>Espace total de l'OPALO : %1</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vidéo</translation>
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
        <name>OverwriteQuestion</name>
        <message>
            <source>IDS_CANCEL_COPY</source>
            <translation>&amp;Annuler la copie</translation>
        </message>
        <message>
            <source>IDS_CANCEL_COPY_TIP</source>
            <translation>Arrêter toute la copie ; les fichiers déjà copiés restent</translation>
        </message>
        <message>
            <source>IDS_CLASH_EXISTING</source>
            <translation>Déjà présent</translation>
        </message>
        <message>
            <source>IDS_CLASH_LARGER</source>
            <translation>Plus grand</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEW</source>
            <translation>À copier</translation>
        </message>
        <message>
            <source>IDS_CLASH_NEWER</source>
            <translation>Plus récent</translation>
        </message>
        <message>
            <source>IDS_CLASH_PICTURE</source>
            <translation>Image : %1</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_DEVICE</source>
            <translation>Sur le netbook : %1, modifié le %2</translation>
        </message>
        <message>
            <source>IDS_FILE_ON_HOST</source>
            <translation>Sur cet ordinateur : %1, modifié le %2</translation>
        </message>
        <message>
            <source>IDS_FOR_ALL_REMAINING</source>
            <translation>Faire de &amp;même pour tous les fichiers restants</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH</source>
            <translation>&amp;Garder les deux</translation>
        </message>
        <message>
            <source>IDS_KEEP_BOTH_TIP</source>
            <translation>Le copier à côté du fichier déjà présent, sous un nom libre numéroté</translation>
        </message>
        <message>
            <source>IDS_OVERWRITE_CLASH</source>
            <translation>Le fichier %1 existe déjà dans le dossier de destination. Que voulez-vous faire ?</translation>
        </message>
        <message>
            <source>IDS_REPLACE</source>
            <translation>&amp;Remplacer</translation>
        </message>
        <message>
            <source>IDS_REPLACE_TIP</source>
            <translation>Remplacer le fichier déjà présent par celui qui est copié</translation>
        </message>
        <message>
            <source>IDS_SKIP</source>
            <translation>&amp;Ignorer</translation>
        </message>
        <message>
            <source>IDS_SKIP_TIP</source>
            <translation>Garder le fichier déjà présent et ne pas copier celui-ci</translation>
        </message>
    </context>
    <context>
        <name>PrettyItemDelegate</name>
        <message>
            <source>IDS_RENAME_FAILED</source>
            <translation>%1 n’a pas pu être renommé : %2.</translation>
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
    <context>
        <name>ProgressDialog</name>
        <message>
            <source>IDS_CANCEL</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES</source>
            <translation>%1 sur %2</translation>
        </message>
        <message>
            <source>IDS_COPIED_BYTES_SPEED</source>
            <translation>%1 sur %2 à %3/s</translation>
        </message>
        <message>
            <source>IDS_COPY_FINISHED</source>
            <translation>Copie terminée</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS</source>
            <translation>Progression de la copie</translation>
        </message>
        <message>
            <source>IDS_COPY_PROGRESS_TITLE</source>
            <translation>Copie de fichiers</translation>
        </message>
        <message>
            <source>IDS_ESTIMATED_TIME</source>
            <translation>Temps restant estimé : %1</translation>
        </message>
        <message>
            <source>IDS_FILE_NUMBER</source>
            <translation>Fichier %1 sur %2</translation>
        </message>
        <message>
            <source>IDS_MEDIA_TRANSFER_IN_PROGRESS</source>
            <translation>Copie en cours…
Veuillez patienter…</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>IDS_FOLDER</source>
            <translation>Dossier</translation>
        </message>
        <message>
            <source>IDS_NO_SCREEN</source>
            <translation>OpaloSync ne trouve aucun écran où ouvrir sa fenêtre : aucun serveur X utilisable à DISPLAY, et aucun affichage Wayland. Lancez-le sous votre propre compte depuis votre session de bureau (il n'a pas besoin des droits du super-utilisateur) ; avec sudo, gardez l'affichage de votre session avec « sudo --preserve-env=WAYLAND_DISPLAY,XDG_RUNTIME_DIR ».</translation>
        </message>
        <message>
            <source>IDS_SETRIGHTS_FAILED</source>
            <translation>OpaloSync a été lancé par le super-utilisateur dans une session KDE, où il doit redémarrer par son programme d'aide %1. Ce programme n'a pas pu être exécuté (%2).
Installez à nouveau le programme, ou lancez-le en tant qu'utilisateur ordinaire.</translation>
        </message>
    </context>
    <context>
        <name>QVideoList</name>
        <message>
            <source>IDS_CONFIRM_DELETE_NAMED</source>
            <translation>Supprimer définitivement %1 fichiers : %2 ?</translation>
        </message>
        <message>
            <source>IDS_CONFIRM_DELETE_ONE</source>
            <translation>Supprimer définitivement %1 ?</translation>
        </message>
        <message>
            <source>IDS_RIGHTS_RENAME</source>
            <translation>Impossible de renommer le fichier %1.
Vérifiez que vous disposez des droits nécessaires pour effectuer cette opération.</translation>
        </message>
    </context>
    <context>
        <name>TL09Engine</name>
        <message>
            <source>IDS_MUSIC</source>
            <translation>Musique</translation>
        </message>
        <message>
            <source>IDS_MUSIC_1</source>
            <translation>musique</translation>
        </message>
        <message>
            <source>IDS_OFFICE</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>IDS_OFFICE_1</source>
            <translation>document</translation>
        </message>
        <message>
            <source>IDS_PICTURES</source>
            <translation>Images</translation>
        </message>
        <message>
            <source>IDS_PICTURES_1</source>
            <translation>image</translation>
        </message>
        <message>
            <source>IDS_VIDEO</source>
            <translation>Vidéos</translation>
        </message>
        <message>
            <source>IDS_VIDEO_1</source>
            <translation>vidéo</translation>
        </message>
    </context>
</TS>
