<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</context>
</TS>