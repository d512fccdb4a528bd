<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta est une calculatrice scientifique pour un utilisateur.
Réglages : orbetta.ini dans votre dossier de configuration.
Bande : orbetta/tape.txt dans votre dossier d&apos;état.
Fourni tel quel, sans garantie d&apos;aucune sorte.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>À propos d&apos;Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Échap n&apos;est pas accepté ici ; c efface</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 n&apos;est pas accepté ici</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>l&apos;espace n&apos;est pas acceptée ici</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la virgule n&apos;est pas acceptée ici ; le séparateur décimal est le point</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 n&apos;est pas accepté ici</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>ce caractère n&apos;est pas accepté ici</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>la saisie a déjà un séparateur décimal</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>l&apos;affichage est vide</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>aucun nombre dont changer le signe</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>rien à effacer</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>rien à coller</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>le presse-papiers ne contient pas de nombre</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>Division par 0 impossible !</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>effacé</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>pas de logarithme de 0 ni d&apos;un nombre négatif</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x doit être &gt;-323 et &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x doit être &gt;-744 et &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>pas de racine carrée d&apos;un nombre négatif</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>hors limites : &gt;1E-162 et &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 en mémoire</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Couleur d&apos;Orbetta</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: orbetta [option]
A scientific calculator in one small window, worked by mouse or keyboard.

  -h, --help     shows this help and ends
  -v, --version  shows the version and ends

Qt&apos;s standard options are understood too, such as -platform xcb or -platform wayland.
The keys and files are described in the manual page: man orbetta
</source>
        <translation>Utilisation : orbetta [option]
Une calculatrice scientifique dans une petite fenêtre, utilisable à la souris ou au clavier.

  -h, --help     affiche cette aide et se termine
  -v, --version  affiche la version et se termine

Les options standard de Qt sont aussi comprises, comme -platform xcb ou -platform wayland.
Les touches et les fichiers sont décrits dans la page de manuel : man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta : option inconnue %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>Pas un nombre</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Aide d&apos;Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, titre de niveau %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>aucun titre avant celui-ci</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>plus de titre</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>aucun lien avant celui-ci</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>plus de lien</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>lien %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>Sécante</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosécante</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Arc sécante</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Arc cosécante</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Arc cotangente</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Sinus hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangente hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Sécante hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Cosécante hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Cotangente hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Arg. sinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Arg. cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Arg. tangente hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Arg. sécante hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Arg. cosécante hyperbolique</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Arg. cotangente hyperbolique</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>racine y-ième de x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>valeur (x) :</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>racine (y) :</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x puissance y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>exposant (y) :</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>nombre aléatoire</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>borne inf. :</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>borne sup. :</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>deg</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>degrés (cliquer pour passer en radians)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>radians (cliquer pour passer en degrés)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>addition</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>soustraction</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>multiplication</translation>
    </message>
    <message>
        <source>division</source>
        <translation>division</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>puissance de 10</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>exponentielle</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>nb aléa</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>nombre pi</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>autres fonctions</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>rappel de la mémoire</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>mémoire</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>degrés (cliquer pour passer en radians)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>fonction</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>fonctions trigonométriques supplémentaires</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>À propos d&apos;Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>coul</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Préférences d&apos;apparence</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>changement de signe</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>cliquez sur la flèche vers le bas pour afficher les fonctions disponibles</translation>
    </message>
    <message>
        <source>display</source>
        <translation>affichage</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>menu de l&apos;affichage</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>menu de l&apos;affichage, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>liste des %1, %2 entrées, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Espace actionne cette touche.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>liste des %1, Bas l&apos;ouvre</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Bande fermée</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>Le fichier de bande %1 est un lien symbolique, qui n&apos;est pas suivi.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>Le fichier de bande %1 est un dossier.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>Le fichier de bande %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Le fichier de bande %1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>Le fichier de bande contient des octets qui ne sont pas du texte ; ils sont affichés comme �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>Le fichier de bande contient des lignes trop longues pour une bande ; elles sont coupées.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Le fichier de bande %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>Le fichier de bande fait %1 ; seules ses lignes les plus récentes ont été lues.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Il n&apos;y a pas de dossier personnel où conserver la bande.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>Le fichier de bande est en cours de réduction ; la ligne sera écrite avec la suivante.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Le fichier de bande %1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>Le fichier de bande est en cours d&apos;utilisation ; la ligne sera écrite avec la suivante.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>Le fichier de bande %1 se termine au milieu d&apos;une ligne qui ne peut pas être supprimée : %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Le fichier de bande %1 ne peut pas être réécrit.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>Le fichier de bande %1 contient ce que la bande ne peut pas montrer, et il ne peut pas être mis de côté : %2. Il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>Le fichier de bande contenait ce que la bande ne peut pas montrer (des octets qui ne sont pas du texte, ou plus que ce qui est lu) ; il est conservé sous %1, et la bande continue dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Le fichier de bande %1 ne peut pas être supprimé : %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>Le fichier de bande est en cours d&apos;utilisation ; il n&apos;a pas été réécrit.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>le signe moins n&apos;est pas accepté ici ; les valeurs sont sans signe</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>la valeur a déjà un séparateur décimal</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>le champ est vide</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>le second champ est vide</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>l&apos;espace n&apos;est pas acceptée ici ; chiffres et un seul séparateur décimal uniquement</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la virgule n&apos;est pas acceptée ici ; le séparateur décimal est le point</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 n&apos;est pas accepté ici ; chiffres et un seul séparateur décimal uniquement</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>ce caractère n&apos;est pas accepté ici ; chiffres et un seul séparateur décimal uniquement</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>le premier champ est vide</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>le premier champ ne contient pas de nombre</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>le second champ ne contient pas de nombre</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>racine %1-ième de %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 puissance %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>aléatoire entre %1 et %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>racine 0-ième impossible !</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>la borne supérieure doit être &gt; borne inférieure+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>résultat hors limites !</translation>
    </message>
</context>
<context>
    <name>TwoValueDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>aucun serveur X ne répond à DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>aucun compositeur Wayland ne répond à WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>le module de plateforme « %1 » de Qt n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>le module de plateforme Wayland de Qt n&apos;est pas installé (paquet qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt n&apos;a pas de module de plateforme « %1 »</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>aucun affichage n&apos;est défini (DISPLAY et WAYLAND_DISPLAY sont toutes deux vides)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>aucun module de plateforme de Qt n&apos;a pu démarrer</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta : impossible d&apos;ouvrir une fenêtre : %1 ; lancez-le dans une session de bureau, ou avec xvfb-run -a %2 pour un écran virtuel
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Bande d&apos;Orbetta</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Annuler l&apos;effacement</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Conserver entre les sessions</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>La bande n&apos;est plus conservée entre les sessions et son fichier est supprimé ; la conserver de nouveau la réécrit</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>La bande est conservée entre les sessions</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Bande, 1 ligne</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Bande, %n ligne</numerusform>
            <numerusform>Bande, %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, la dernière : %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Enregistrer la bande sous</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>La bande n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Bande effacée ; Annuler l&apos;effacement la rétablit</translation>
    </message>
</context>
</TS>
