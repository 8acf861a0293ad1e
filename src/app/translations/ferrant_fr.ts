<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClassCharts</name>
    <message>
        <source>No measured readings to compare</source>
        <translation>Aucune mesure à comparer</translation>
    </message>
    <message>
        <source>Theory (mm)</source>
        <translation>Théorie (mm)</translation>
    </message>
    <message>
        <source>Measured (mm)</source>
        <translation>Mesuré (mm)</translation>
    </message>
    <message>
        <source>No run has a fit yet</source>
        <translation>Aucune série n'a encore d'ajustement</translation>
    </message>
    <message>
        <source>Material's E: %1</source>
        <translation>E du matériau : %1</translation>
    </message>
    <message>
        <source>Group, run</source>
        <translation>Groupe, série</translation>
    </message>
    <message>
        <source>E_exp (GPa)</source>
        <translation>E_exp (GPa)</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 run), %5%6 % from %7 GPa</source>
        <translation>%1 : E_exp moyen %2 GPa, dispersion %3 GPa (%4 série), %5%6 % par rapport à %7 GPa</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 runs), %5%6 % from %7 GPa</source>
        <translation>%1 : E_exp moyen %2 GPa, dispersion %3 GPa (%4 séries), %5%6 % par rapport à %7 GPa</translation>
    </message>
    <message>
        <source>No run has a fit yet.</source>
        <translation>Aucune série n'a encore d'ajustement.</translation>
    </message>
    <message>
        <source>File / group</source>
        <translation>Fichier / groupe</translation>
    </message>
    <message>
        <source>Set-up, material</source>
        <translation>Montage, matériau</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non lu : %1</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Montage</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Grandeur variée</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>s(k)</source>
        <translation>s(k)</translation>
    </message>
    <message>
        <source>E_exp</source>
        <translation>E_exp</translation>
    </message>
    <message>
        <source>s(E_exp)</source>
        <translation>s(E_exp)</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Difference from E</source>
        <translation>Écart à E</translation>
    </message>
    <message>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustement</translation>
    </message>
</context>
<context>
    <name>Diagrams</name>
    <message>
        <source>Shear force V</source>
        <translation>Effort tranchant V</translation>
    </message>
    <message>
        <source>Bending moment M</source>
        <translation>Moment fléchissant M</translation>
    </message>
    <message>
        <source>Slope θ</source>
        <translation>Rotation θ</translation>
    </message>
    <message>
        <source>Deflection y</source>
        <translation>Flèche y</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load and is not supported. Put two knife-edges or an end clamp under it, then hang a weight or lay the UDL.</source>
        <translation>Rien à tracer : la poutre n'est ni chargée ni appuyée. Placez deux couteaux ou un encastrement, puis accrochez une masse ou posez la charge répartie.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load. Hang a weight or lay the UDL to see the reactions and the diagrams.</source>
        <translation>Rien à tracer : la poutre n'est pas chargée. Accrochez une masse ou posez la charge répartie pour voir les réactions et les diagrammes.</translation>
    </message>
    <message>
        <source>Nothing to draw: both knife-edges stand at the same place, so there is no span between them and the beam is not supported. Move one knife-edge.</source>
        <translation>Rien à tracer : les deux couteaux sont au même endroit, il n'y a donc pas de portée et la poutre n'est pas appuyée. Déplacez un couteau.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam is not adequately supported. It needs two knife-edges or at least one end clamp before it can carry the loads.</source>
        <translation>Rien à tracer : la poutre n'est pas correctement appuyée. Il lui faut deux couteaux ou au moins un encastrement pour porter les charges.</translation>
    </message>
    <message>
        <source>Lift-off: knife-edge %1 at %2 would have to pull the beam down (%3 N); a knife-edge can only push, so the beam lifts off it and these results do not hold.</source>
        <translation>Soulèvement : le couteau %1 à %2 devrait tirer la poutre vers le bas (%3 N) ; un couteau ne peut que pousser, la poutre se soulève et ces résultats ne valent plus.</translation>
    </message>
    <message>
        <source>Large deflection: %1 mm at %2, beyond 1/20 of the beam's length (%3 mm); small-deflection theory no longer holds.</source>
        <translation>Grande flèche : %1 mm à %2, au-delà de 1/20 de la longueur de la poutre (%3 mm) ; la théorie des petites déformations ne vaut plus.</translation>
    </message>
    <message>
        <source>Yield: a bending stress of %1 MPa at %2 passes the material's typical yield strength of %3 MPa; the beam would bend permanently.</source>
        <translation>Plastification : une contrainte de flexion de %1 MPa à %2 dépasse la limite d'élasticité typique du matériau, %3 MPa ; la poutre se déformerait durablement.</translation>
    </message>
</context>
<context>
    <name>LabFileTexts</name>
    <message>
        <source>The experiment has changes that are not saved (readings or layout).

Save them first?</source>
        <translation>L'essai a des modifications non enregistrées (mesures ou montage).

Les enregistrer d'abord ?</translation>
    </message>
    <message>
        <source>An experiment opens in virtual mode. Disconnect from the VEK2000 and open the experiment?</source>
        <translation>Un essai s'ouvre en mode virtuel. Déconnecter le VEK2000 et ouvrir l'essai ?</translation>
    </message>
    <message>
        <source>The experiment "%1" could not be opened: %2.

Nothing in the window has changed.</source>
        <translation>L'essai « %1 » n'a pas pu être ouvert : %2.

Rien n'a changé dans la fenêtre.</translation>
    </message>
    <message>
        <source>The experiment could not be saved to "%1": %2.

A file that was there before is unchanged.</source>
        <translation>L'essai n'a pas pu être enregistré dans « %1 » : %2.

Un fichier qui s'y trouvait est inchangé.</translation>
    </message>
    <message>
        <source>The table could not be exported to "%1": %2.</source>
        <translation>Le tableau n'a pas pu être exporté dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The report could not be written to "%1": %2.</source>
        <translation>Le rapport n'a pas pu être écrit dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The crash journal could not be written (%1). Readings are still recorded, but save the experiment often: a crash could lose them.</source>
        <translation>Le journal de secours n'a pas pu être écrit (%1). Les mesures sont toujours enregistrées, mais enregistrez souvent l'essai : un plantage pourrait les perdre.</translation>
    </message>
    <message>
        <source>The UDL was taken off the beam: the apparatus has no distributed load. Supports, weights and the gauge are kept.</source>
        <translation>La charge répartie a été retirée : l'appareil n'en a pas. Appuis, masses et comparateur sont conservés.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Copy of hand-out %1</source>
        <translation>Copie du modèle %1</translation>
    </message>
    <message>
        <source>Beam experiments (*.ferx)</source>
        <translation>Essais de poutre (*.ferx)</translation>
    </message>
    <message>
        <source>CSV, comma or semicolon separated (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>CSV, séparé par virgules ou points-virgules (*.csv);;Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LabSessionTexts</name>
    <message>
        <source>The experiment window was not closed normally last time. Restore its layout and its %1 recorded reading(s)?

No discards them.</source>
        <translation>La fenêtre d'essai n'a pas été fermée normalement la dernière fois. Restaurer son montage et ses %1 mesure(s) enregistrée(s) ?

Non les abandonne.</translation>
    </message>
    <message>
        <source>

These cannot be restored: %1.</source>
        <translation>

Ceci ne peut pas être restauré : %1.</translation>
    </message>
    <message>
        <source>the layout, which could not be rebuilt (%1); the readings come back on an empty beam, and the next save asks for a file name</source>
        <translation>le montage, qui n'a pas pu être reconstruit (%1) ; les mesures reviennent sur une poutre vide, et le prochain enregistrement demandera un nom de fichier</translation>
    </message>
    <message>
        <source>Row %1 recorded: %2 mm (gauge %3)</source>
        <translation>Ligne %1 enregistrée : %2 mm (comparateur %3)</translation>
    </message>
    <message>
        <source>Row %1 recorded: theory %2 mm at the gauge (virtual mode)</source>
        <translation>Ligne %1 enregistrée : théorie %2 mm au comparateur (mode virtuel)</translation>
    </message>
    <message>
        <source>; %1 begins: %2</source>
        <translation> ; début de %1 : %2</translation>
    </message>
    <message>
        <source>; not fitted: %1</source>
        <translation> ; non ajustée : %1</translation>
    </message>
    <message>
        <source>%1 reading(s) that could not be read</source>
        <translation>%1 mesure(s) illisible(s)</translation>
    </message>
</context>
<context>
    <name>LabTexts</name>
    <message>
        <source>The table is full (%1 readings). Save the experiment, then start a new one with "&amp;New".</source>
        <translation>Le tableau est plein (%1 mesures). Enregistrez l'essai, puis commencez-en un autre avec « &amp;Nouveau ».</translation>
    </message>
    <message>
        <source>The next row starts %1.</source>
        <translation>La ligne suivante ouvre %1.</translation>
    </message>
    <message>
        <source>No reading recorded: switch on Virtual Experiments or connect to the VEK2000 first.</source>
        <translation>Aucune mesure enregistrée : activez d'abord les essais virtuels ou connectez le VEK2000.</translation>
    </message>
    <message>
        <source>No reading recorded: the link to the VEK2000 is unstable. Wait for the green lamp, then record again.</source>
        <translation>Aucune mesure enregistrée : la liaison avec le VEK2000 est instable. Attendez le voyant vert, puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>No reading recorded: no readings are arriving from the VEK2000 (Comms link OFF). Wait for the green lamp, then record again.</source>
        <translation>Aucune mesure enregistrée : le VEK2000 n'envoie aucune mesure (liaison COUPÉE). Attendez le voyant vert, puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>No reading recorded: the VEK2000 has sent no readings in the last second.</source>
        <translation>Aucune mesure enregistrée : le VEK2000 n'a rien envoyé pendant la dernière seconde.</translation>
    </message>
    <message>
        <source>No zero taken: both gauges are in error, or no readings arrived in the last second.</source>
        <translation>Aucun zéro pris : les deux comparateurs sont en erreur, ou aucune mesure n'est arrivée pendant la dernière seconde.</translation>
    </message>
    <message>
        <source>The readings window could not be opened: %1</source>
        <translation>La fenêtre des mesures n'a pas pu s'ouvrir : %1</translation>
    </message>
</context>
<context>
    <name>ReadingsFit</name>
    <message>
        <source>No fit: the measured values are all zero (is the gauge touching the beam?)</source>
        <translation>Pas d'ajustement : toutes les mesures sont nulles (le comparateur touche-t-il la poutre ?)</translation>
    </message>
    <message>
        <source>No fit: measured and theory have opposite signs (k = %1)</source>
        <translation>Pas d'ajustement : mesure et théorie de signes opposés (k = %1)</translation>
    </message>
    <message>
        <source>No readings in this run</source>
        <translation>Aucune mesure dans cette série</translation>
    </message>
    <message>
        <source>No fit: the property varied is not a number</source>
        <translation>Pas d'ajustement : la grandeur variée n'est pas un nombre</translation>
    </message>
    <message>
        <source>No fit yet: it needs at least two readings with a measured value and a non-zero theory (%1 so far)</source>
        <translation>Pas encore d'ajustement : il faut au moins deux mesures avec une valeur mesurée et une théorie non nulle (%1 pour l'instant)</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Pas encore de mesures</translation>
    </message>
    <message>
        <source>No fit: the section or material changed during the series</source>
        <translation>Pas d'ajustement : la section ou le matériau a changé pendant la série</translation>
    </message>
    <message>
        <source>k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa (material %7 GPa, %8%9 %)</source>
        <translation>k = %1 ± %2, R² = %3, n = %4 ; E_exp = E / k = %5 ± %6 GPa (matériau %7 GPa, %8%9 %)</translation>
    </message>
    <message>
        <source>; EI = %1 N m²</source>
        <translation> ; EI = %1 N m²</translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Neutral Axis, Y:	       </source>
        <translation>Axe neutre, Y :	       </translation>
    </message>
    <message>
        <source>2nd moment of area: </source>
        <translation>Moment d'inertie : </translation>
    </message>
    <message>
        <source>Area of section:       </source>
        <translation>Aire de la section :   </translation>
    </message>
    <message>
        <source>Other material: </source>
        <translation>Autre matériau : </translation>
    </message>
    <message>
        <source>Flat section</source>
        <translation>Plat</translation>
    </message>
    <message>
        <source>Upright section</source>
        <translation>Plat sur chant</translation>
    </message>
    <message>
        <source>Inverted T section</source>
        <translation>Profil en T renversé</translation>
    </message>
    <message>
        <source>H section</source>
        <translation>Profil en H</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>Profil en I</translation>
    </message>
    <message>
        <source>U section</source>
        <translation>Profil en U</translation>
    </message>
    <message>
        <source>Box section</source>
        <translation>Tube carré</translation>
    </message>
    <message>
        <source>Circular section</source>
        <translation>Tube rond</translation>
    </message>
    <message>
        <source>Aluminium:   69 GPa</source>
        <translation>Aluminium :  69 GPa</translation>
    </message>
    <message>
        <source>Steel:          207 GPa</source>
        <translation>Acier :         207 GPa</translation>
    </message>
    <message>
        <source>Brass:         105 GPa</source>
        <translation>Laiton :        105 GPa</translation>
    </message>
    <message>
        <source>Other material (GPa):</source>
        <translation>Autre matériau (GPa) :</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Steel</source>
        <translation>Acier</translation>
    </message>
    <message>
        <source>Brass</source>
        <translation>Laiton</translation>
    </message>
    <message>
        <source>Other material</source>
        <translation>Autre matériau</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application already running</source>
        <translation>Application déjà lancée</translation>
    </message>
    <message>
        <source>An Instance of this application is already running.</source>
        <translation>Une instance de cette application est déjà lancée.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About the Korvex Ferrant Product Range</source>
        <translation>À propos de la gamme Korvex Ferrant</translation>
    </message>
</context>
<context>
    <name>TComSelectFormKV</name>
    <message>
        <source>USB Device Connected</source>
        <translation>Appareil USB connecté</translation>
    </message>
    <message>
        <source>USB Device Not Connected</source>
        <translation>Appareil USB non connecté</translation>
    </message>
    <message>
        <source>Communications Options</source>
        <translation>Options de communication</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Only connect via USB</source>
        <translation>Connexion USB seulement</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select the serial port to be used.</source>
        <translation>Choisissez le port série.</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Aucun port série trouvé</translation>
    </message>
    <message>
        <source>USB must be used.</source>
        <translation>Utilisez l'USB.</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Add &amp;files...</source>
        <translation>Ajouter des &amp;fichiers...</translation>
    </message>
    <message>
        <source>Add f&amp;older...</source>
        <translation>Ajouter un d&amp;ossier...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>&amp;Exporter le tableau...</translation>
    </message>
    <message>
        <source>Class &amp;summary as PDF...</source>
        <translation>&amp;Synthèse de la classe en PDF...</translation>
    </message>
    <message>
        <source>Add experiment files to the comparison</source>
        <translation>Ajouter des fichiers d'essai à la comparaison</translation>
    </message>
    <message>
        <source>Add every experiment file of a folder (a class's shared folder)</source>
        <translation>Ajouter tous les essais d'un dossier (le dossier de la classe)</translation>
    </message>
    <message>
        <source>Write the table as CSV or as an Excel workbook</source>
        <translation>Écrire le tableau en CSV ou en classeur Excel</translation>
    </message>
    <message>
        <source>Write the table, both charts and the class's mean and spread as a PDF</source>
        <translation>Tableau, les deux graphiques, moyenne et dispersion de la classe en PDF</translation>
    </message>
    <message>
        <source>Runs of every experiment</source>
        <translation>Séries de tous les essais</translation>
    </message>
    <message>
        <source>Measured against theory, one colour per file</source>
        <translation>Mesure en fonction de la théorie, une couleur par fichier</translation>
    </message>
    <message>
        <source>E_exp of each run against the material's E</source>
        <translation>E_exp de chaque série et E du matériau</translation>
    </message>
    <message>
        <source>Add a class's experiment files, or the folder that holds them.</source>
        <translation>Ajoutez les fichiers d'essai d'une classe, ou le dossier qui les contient.</translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 n'a pas été lu : %2</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Exporter les résultats de la classe</translation>
    </message>
    <message>
        <source>The class results could not be written to %1: %2.</source>
        <translation>Les résultats de la classe n'ont pas pu être écrits dans %1 : %2.</translation>
    </message>
    <message>
        <source>Class summary as PDF</source>
        <translation>Synthèse de la classe en PDF</translation>
    </message>
    <message>
        <source>Class summary: deflection of beams</source>
        <translation>Synthèse de la classe : flèche des poutres</translation>
    </message>
    <message>
        <source>The class summary could not be written to %1: %2.</source>
        <translation>La synthèse n'a pas pu être écrite dans %1 : %2.</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Comparer des essais</translation>
    </message>
</context>
<context>
    <name>TDeflectionView</name>
    <message>
        <source>Theoretical Deflection y (mm)</source>
        <translation>Flèche théorique y (mm)</translation>
    </message>
    <message>
        <source>Theoretical deflection on gauge: </source>
        <translation>Flèche théorique au comparateur : </translation>
    </message>
    <message>
        <source>Max -ve deflection:</source>
        <translation>Flèche max. (-) :</translation>
    </message>
    <message>
        <source>Max +ve deflection:</source>
        <translation>Flèche max. (+) :</translation>
    </message>
</context>
<context>
    <name>TDiagramsForm</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagrammes</translation>
    </message>
    <message>
        <source>Worked solution</source>
        <translation>Solution détaillée</translation>
    </message>
    <message>
        <source>&amp;Export diagrams as PNG / PDF...</source>
        <translation>&amp;Exporter les diagrammes en PNG / PDF...</translation>
    </message>
    <message>
        <source>Save the diagrams as a picture (PNG), or with the worked solution as a PDF</source>
        <translation>Enregistrer les diagrammes en image (PNG), ou avec la solution en PDF</translation>
    </message>
    <message>
        <source>Export diagrams</source>
        <translation>Exporter les diagrammes</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;PDF with the worked solution (*.pdf)</source>
        <translation>Image PNG (*.png);;PDF avec la solution (*.pdf)</translation>
    </message>
    <message>
        <source>The diagrams could not be saved: %1.</source>
        <translation>Les diagrammes n'ont pas pu être enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>TEquipmentSelectionForm</name>
    <message>
        <source>Click a button to select an experimental module</source>
        <translation>Cliquez sur un bouton pour choisir un module d'essai</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please install Microsoft Internet Explorer 5.0 or later</source>
        <translation>Veuillez installer Microsoft Internet Explorer 5.0 ou plus récent</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' n'est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>It is recommended that you increase the system color setting to at least 16 bit</source>
        <translation>Il est recommandé de régler la profondeur de couleur du système sur 16 bits au moins</translation>
    </message>
    <message>
        <source>Lower color settings will result in some graphics not being displayed correctly.</source>
        <translation>Avec moins de couleurs, certains graphiques ne s'afficheront pas correctement.</translation>
    </message>
</context>
<context>
    <name>TReadingsModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Theory
(mm, down -)</source>
        <translation>Théorie
(mm, bas -)</translation>
    </message>
    <message>
        <source>Measured
(mm)</source>
        <translation>Mesuré
(mm)</translation>
    </message>
    <message>
        <source>Meas. - theory
(mm)</source>
        <translation>Mes. - théorie
(mm)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Écart (%)</translation>
    </message>
    <message>
        <source>Gauge compared</source>
        <translation>Comparateur lu</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Grandeur variée</translation>
    </message>
    <message>
        <source>Gauge at (mm)</source>
        <translation>Comparateur à (mm)</translation>
    </message>
    <message>
        <source>Gauge 1 (mm)</source>
        <translation>Comparateur 1 (mm)</translation>
    </message>
    <message>
        <source>n 1</source>
        <translation>n 1</translation>
    </message>
    <message>
        <source>s.d. 1 (mm)</source>
        <translation>σ 1 (mm)</translation>
    </message>
    <message>
        <source>Zero 1 (mm)</source>
        <translation>Zéro 1 (mm)</translation>
    </message>
    <message>
        <source>Gauge 2 (mm)</source>
        <translation>Comparateur 2 (mm)</translation>
    </message>
    <message>
        <source>n 2</source>
        <translation>n 2</translation>
    </message>
    <message>
        <source>s.d. 2 (mm)</source>
        <translation>σ 2 (mm)</translation>
    </message>
    <message>
        <source>Zero 2 (mm)</source>
        <translation>Zéro 2 (mm)</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Not fitted: %1</source>
        <translation>Non ajustée : %1</translation>
    </message>
    <message>
        <source>Theoretical deflection at the gauge; downward is negative</source>
        <translation>Flèche théorique au comparateur ; vers le bas négative</translation>
    </message>
    <message>
        <source>Gauge %1</source>
        <translation>Comparateur %1</translation>
    </message>
    <message>
        <source>%1, %2 GPa</source>
        <translation>%1, %2 GPa</translation>
    </message>
    <message>
        <source>not fitted: %1</source>
        <translation>non ajustée : %1</translation>
    </message>
</context>
<context>
    <name>TReadingsWindow</name>
    <message>
        <source>Measured against theory, each run fitted on its own</source>
        <translation>Mesure en fonction de la théorie, chaque série ajustée à part</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Pas encore de mesures</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 par rapport à %2</translation>
    </message>
    <message>
        <source>(measured, mm)</source>
        <translation>(mesuré, mm)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>écart</translation>
    </message>
    <message>
        <source>&amp;Delete selected rows</source>
        <translation>&amp;Supprimer les lignes choisies</translation>
    </message>
    <message>
        <source>C&amp;lear all</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>reading %1 (%2)</source>
        <translation>la mesure %1 (%2)</translation>
    </message>
    <message>
        <source>the %1 readings %2</source>
        <translation>les %1 mesures %2</translation>
    </message>
    <message>
        <source>Delete %1 from the table?</source>
        <translation>Supprimer %1 du tableau ?</translation>
    </message>
    <message>
        <source>Clear all %1 readings from the table?</source>
        <translation>Effacer les %1 mesures du tableau ?</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Mesures</translation>
    </message>
</context>
<context>
    <name>TSectionsPanel</name>
    <message>
        <source> Display:</source>
        <translation> Affichage :</translation>
    </message>
    <message>
        <source>Beam Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Section Properties</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Switch between section attributes displayed</source>
        <translation>Changer les valeurs de section affichées</translation>
    </message>
    <message>
        <source>Pull down list to select a beam cross-section</source>
        <translation>Ouvrez la liste pour choisir une section de poutre</translation>
    </message>
    <message>
        <source>(All dimensions are in mm)</source>
        <translation>(Cotes en mm)</translation>
    </message>
    <message>
        <source> Theoretical values:</source>
        <translation> Valeurs théoriques :</translation>
    </message>
    <message>
        <source>Click to switch units</source>
        <translation>Cliquez pour changer d'unités</translation>
    </message>
    <message>
        <source>Young's modulus:</source>
        <translation>Module d'Young :</translation>
    </message>
    <message>
        <source>Pull down list to select the material's Young's modulus</source>
        <translation>Ouvrez la liste pour choisir le module d'Young du matériau</translation>
    </message>
    <message>
        <source>Other (GPa):</source>
        <translation>Autre (GPa) :</translation>
    </message>
    <message>
        <source>Enter Young's modulus (Range: 1 - 500 GPa)</source>
        <translation>Saisissez le module d'Young (de 1 à 500 GPa)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click to confirm value of Young's modulus</source>
        <translation>Cliquez pour valider le module d'Young</translation>
    </message>
</context>
<context>
    <name>TVEK4Form</name>
    <message>
        <source>Connect VEK2000 / Select Virtual Experiments</source>
        <translation>Connecter le VEK2000 / Choisir les essais virtuels</translation>
    </message>
    <message>
        <source>Use tool box tools to add supports and weights to beam</source>
        <translation>Placez appuis et masses sur la poutre avec la boîte à outils</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New layout</source>
        <translation>Nouveau montage</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Essai</translation>
    </message>
    <message>
        <source>&amp;Connect to VEK2000</source>
        <translation>&amp;Connecter au VEK2000</translation>
    </message>
    <message>
        <source>&amp;Disconnect from VEK2000</source>
        <translation>&amp;Déconnecter du VEK2000</translation>
    </message>
    <message>
        <source>&amp;Virtual Experiments</source>
        <translation>Essais &amp;virtuels</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Set Communications Options</source>
        <translation>Options de &amp;communication</translation>
    </message>
    <message>
        <source>&amp;Record data to table</source>
        <translation>&amp;Enregistrer dans le tableau</translation>
    </message>
    <message>
        <source>Record data to table</source>
        <translation>Enregistrer dans le tableau</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Ferrant Range...</source>
        <translation>À &amp;propos de la gamme Ferrant...</translation>
    </message>
    <message>
        <source>&amp;Version Information</source>
        <translation>&amp;Informations de version</translation>
    </message>
    <message>
        <source>Connect to VEK2000 unit</source>
        <translation>Connecter au VEK2000</translation>
    </message>
    <message>
        <source>Disconnect from VEK2000</source>
        <translation>Déconnecter du VEK2000</translation>
    </message>
    <message>
        <source>Virtual Experiments</source>
        <translation>Essais virtuels</translation>
    </message>
    <message>
        <source>Variable hanger position</source>
        <translation>Position de charge variable</translation>
    </message>
    <message>
        <source>Variable hanger load</source>
        <translation>Charge variable</translation>
    </message>
    <message>
        <source>Variable beam span</source>
        <translation>Portée variable</translation>
    </message>
    <message>
        <source>Variable UDL value</source>
        <translation>Charge répartie variable</translation>
    </message>
    <message>
        <source>Variable UDL length</source>
        <translation>Longueur de charge variable</translation>
    </message>
    <message>
        <source>Variable gauge position</source>
        <translation>Position du comparateur</translation>
    </message>
    <message>
        <source>Variable section</source>
        <translation>Section variable</translation>
    </message>
    <message>
        <source>Variable material</source>
        <translation>Matériau variable</translation>
    </message>
    <message>
        <source>Circular Bending, variable load</source>
        <translation>Flexion pure, charge variable</translation>
    </message>
    <message>
        <source>Arbitrary combination</source>
        <translation>Combinaison libre</translation>
    </message>
    <message>
        <source>Select property being varied...</source>
        <translation>Grandeur variée...</translation>
    </message>
    <message>
        <source>Comms link OFF</source>
        <translation>Liaison COUPÉE</translation>
    </message>
    <message>
        <source>Actual deflection on gauge:</source>
        <translation>Flèche mesurée :</translation>
    </message>
    <message>
        <source>Deflection 1</source>
        <translation>Flèche 1</translation>
    </message>
    <message>
        <source>Deflection 2</source>
        <translation>Flèche 2</translation>
    </message>
    <message>
        <source>Select input channel to display</source>
        <translation>Choisissez la voie d'entrée affichée</translation>
    </message>
    <message>
        <source>Tool Box: </source>
        <translation>Boîte à outils : </translation>
    </message>
    <message>
        <source>Drag clamps to either end of beam</source>
        <translation>Glissez les encastrements aux bouts de la poutre</translation>
    </message>
    <message>
        <source>Drag supports (max. 2) under beam</source>
        <translation>Glissez les appuis (2 au plus) sous la poutre</translation>
    </message>
    <message>
        <source>Remove weights from beam by dragging to bin</source>
        <translation>Glissez les masses dans le bac pour les ôter</translation>
    </message>
    <message>
        <source>Uniformly Distributed Load (N/m)</source>
        <translation>Charge répartie (N/m)</translation>
    </message>
    <message>
        <source>Select Uniformly Distributed Load (1 - 50 N/m)</source>
        <translation>Choisissez la charge répartie (1 - 50 N/m)</translation>
    </message>
    <message>
        <source>Drag displayed weight (grams) onto beam</source>
        <translation>Glissez la masse affichée (grammes) sur la poutre</translation>
    </message>
    <message>
        <source>Select weight (Range: 10 - 500 grams)</source>
        <translation>Choisissez la masse (de 10 à 500 grammes)</translation>
    </message>
    <message>
        <source>(grams)</source>
        <translation>(g)</translation>
    </message>
    <message>
        <source>Drag %1 grams onto beam</source>
        <translation>Glissez %1 grammes sur la poutre</translation>
    </message>
    <message>
        <source>USB Device Connected</source>
        <translation>Appareil USB connecté</translation>
    </message>
    <message>
        <source>%1 grams</source>
        <translation>%1 grammes</translation>
    </message>
    <message>
        <source>Uniformly distributed load of </source>
        <translation>Charge répartie de </translation>
    </message>
    <message>
        <source>Click to put a Uniformly Distributed Load on the beam</source>
        <translation>Cliquez pour mettre une charge répartie sur la poutre</translation>
    </message>
    <message>
        <source>Communicating via USB</source>
        <translation>Liaison par USB</translation>
    </message>
    <message>
        <source>COM %1: Connected</source>
        <translation>COM %1 : connecté</translation>
    </message>
    <message>
        <source>Comms link unstable</source>
        <translation>Liaison instable</translation>
    </message>
    <message>
        <source>USB Device Disconnected</source>
        <translation>Appareil USB déconnecté</translation>
    </message>
    <message>
        <source>&amp;Desktop language</source>
        <translation>Langue du &amp;bureau</translation>
    </message>
    <message>
        <source>The whole program larger, with bolder lines, for a projector</source>
        <translation>Tout le programme en plus grand, traits épaissis, pour un projecteur</translation>
    </message>
    <message>
        <source>The large display shows the whole program larger from its next start.</source>
        <translation>Le grand affichage agrandit le programme à son prochain démarrage.</translation>
    </message>
    <message>
        <source>The program returns to its normal size from its next start.</source>
        <translation>Le programme reprend sa taille normale à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Start the program again now?</source>
        <translation>Redémarrer le programme maintenant ?</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from its next start.</source>
        <translation>Le programme parlera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Support Position</source>
        <translation>Position d'appui</translation>
    </message>
    <message>
        <source>Gauge Position</source>
        <translation>Comparateur</translation>
    </message>
    <message>
        <source>UDL length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Load Position</source>
        <translation>Position charge</translation>
    </message>
    <message>
        <source>Right click to change length of UDL</source>
        <translation>Clic droit pour changer la longueur de la charge répartie</translation>
    </message>
    <message>
        <source>Drag the dial gauge along the beam</source>
        <translation>Glissez le comparateur le long de la poutre</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>Large &amp;display</source>
        <translation>Grand &amp;affichage</translation>
    </message>
    <message>
        <source>Experiment details</source>
        <translation>Détails de l'essai</translation>
    </message>
    <message>
        <source>Students' &amp;names:</source>
        <translation>&amp;Noms des élèves :</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;Bench:</source>
        <translation>&amp;Poste :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Comparer des essais</translation>
    </message>
    <message>
        <source>A folder of experiment files</source>
        <translation>Un dossier de fichiers d'essai</translation>
    </message>
    <message>
        <source>Show the reactions and the beam's diagrams with a worked solution</source>
        <translation>Réactions et diagrammes de la poutre, avec la solution</translation>
    </message>
    <message>
        <source>Show &amp;diagrams</source>
        <translation>Afficher les &amp;diagrammes</translation>
    </message>
    <message>
        <source>Laboratory report</source>
        <translation>Compte rendu de TP</translation>
    </message>
    <message>
        <source>Student's name for the report:</source>
        <translation>Nom de l'élève pour le rapport :</translation>
    </message>
    <message>
        <source>the XLSX writer could not be loaded (%1)</source>
        <translation>le module d'écriture XLSX n'a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>Printing could not be loaded: %1</source>
        <translation>L'impression n'a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the experiment: layout and readings</source>
        <translation>Enregistrer l'essai : montage et mesures</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the experiment in a new file</source>
        <translation>Enregistrer l'essai dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Save as &amp;hand-out...</source>
        <translation>Enregistrer comme &amp;modèle...</translation>
    </message>
    <message>
        <source>Save a hand-out: students who open it get an untitled copy</source>
        <translation>Modèle pour la classe : l'ouvrir en donne une copie</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>E&amp;xporter le tableau...</translation>
    </message>
    <message>
        <source>Export the readings to a CSV file or an Excel workbook</source>
        <translation>Exporter les mesures en CSV ou en classeur Excel</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>&amp;Imprimer le rapport...</translation>
    </message>
    <message>
        <source>Print the laboratory report</source>
        <translation>Imprimer le compte rendu</translation>
    </message>
    <message>
        <source>Export report as PD&amp;F...</source>
        <translation>Exporter le rapport en &amp;PDF...</translation>
    </message>
    <message>
        <source>Write the laboratory report as a PDF document</source>
        <translation>Écrire le compte rendu en document PDF</translation>
    </message>
    <message>
        <source>Experiment &amp;details...</source>
        <translation>&amp;Détails de l'essai...</translation>
    </message>
    <message>
        <source>Names, group, bench, date and a note, saved with the experiment</source>
        <translation>Noms, groupe, poste, date et note, enregistrés avec l'essai</translation>
    </message>
    <message>
        <source>&amp;Compare experiments...</source>
        <translation>&amp;Comparer des essais...</translation>
    </message>
    <message>
        <source>A class's experiment files side by side, with their fits</source>
        <translation>Les essais d'une classe côte à côte, avec leurs ajustements</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a saved experiment</source>
        <translation>Ouvrir un essai enregistré</translation>
    </message>
    <message>
        <source>Open experiment</source>
        <translation>Ouvrir un essai</translation>
    </message>
    <message>
        <source>Save experiment as</source>
        <translation>Enregistrer l'essai sous</translation>
    </message>
    <message>
        <source>Save as hand-out</source>
        <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
        <source>no XLSX writer is available</source>
        <translation>aucun module d'écriture XLSX disponible</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Exporter le rapport en PDF</translation>
    </message>
    <message>
        <source>Zero the gauges: their mean over the last second becomes zero</source>
        <translation>Zéro des comparateurs : moyenne de la dernière seconde</translation>
    </message>
    <message>
        <source>Zero gauges needs a connected VEK2000 with a reading (connect first)</source>
        <translation>Le zéro exige un VEK2000 connecté qui mesure</translation>
    </message>
    <message>
        <source>Clear the zero: show the gauges' raw readings again</source>
        <translation>Annuler le zéro : revenir aux lectures brutes</translation>
    </message>
    <message>
        <source>Clear zero: no zero is in use</source>
        <translation>Annuler le zéro : aucun zéro en cours</translation>
    </message>
    <message>
        <source>Show the table of readings with its plot</source>
        <translation>Afficher le tableau des mesures et son graphique</translation>
    </message>
    <message>
        <source>&amp;Laboratory tools</source>
        <translation>Outils de &amp;laboratoire</translation>
    </message>
    <message>
        <source>Record readings to a table, zero the gauges, plot and fit</source>
        <translation>Tableau de mesures, zéro des comparateurs, graphique et ajustement</translation>
    </message>
    <message>
        <source>&amp;Zero gauges</source>
        <translation>&amp;Mettre les comparateurs à zéro</translation>
    </message>
    <message>
        <source>C&amp;lear zero</source>
        <translation>&amp;Annuler le zéro</translation>
    </message>
    <message>
        <source>Show &amp;table</source>
        <translation>Afficher le &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;New run</source>
        <translation>Nouvelle &amp;série</translation>
    </message>
    <message>
        <source>The next row starts a new run, fitted on its own</source>
        <translation>La ligne suivante commence une nouvelle série</translation>
    </message>
    <message>
        <source>(zeroed)</source>
        <translation>(à zéro)</translation>
    </message>
    <message>
        <source>The measured values are the readings minus the zero taken</source>
        <translation>Valeurs mesurées = lectures moins le zéro pris</translation>
    </message>
    <message>
        <source>Gauge %1 is in error: it keeps no zero and shows its raw reading.</source>
        <translation>Le comparateur %1 est en erreur : il ne garde pas de zéro et affiche sa lecture brute.</translation>
    </message>
    <message>
        <source>Readings and diagrams</source>
        <translation>Mesures et diagrammes</translation>
    </message>
</context>
</TS>