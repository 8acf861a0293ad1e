#!/usr/bin/env python3
"""Writes the German, French and Spanish texts into the .ts files that lupdate keeps.

Run lupdate first (docs/LANGUAGES.md), then this script; the texts live here, in one table, so a change of
wording is one line and the three languages stay side by side. A text missing here stays "unfinished" and
shows in English.
"""
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))

# (context, English): (German, French, Spanish)
T = {
    # Start-up and the launcher
    ("StartUp", "Application already running"): ("Programm läuft bereits", "Application déjà lancée", "La aplicación ya está en marcha"),
    ("StartUp", "An Instance of this application is already running."): ("Dieses Programm läuft bereits.", "Une instance de cette application est déjà lancée.", "Ya hay una instancia de esta aplicación en marcha."),
    ("TEquipmentSelectionForm", "Click a button to select an experimental module"): ("Klicken Sie auf eine Schaltfläche, um ein Versuchsmodul zu wählen", "Cliquez sur un bouton pour choisir un module d'essai", "Haga clic en un botón para elegir un módulo de ensayo"),
    ("TEquipmentSelectionForm", "Error"): ("Fehler", "Erreur", "Error"),
    ("TEquipmentSelectionForm", "Please install Microsoft Internet Explorer 5.0 or later"): ("Bitte installieren Sie Microsoft Internet Explorer 5.0 oder neuer", "Veuillez installer Microsoft Internet Explorer 5.0 ou plus récent", "Instale Microsoft Internet Explorer 5.0 o posterior"),
    ("TEquipmentSelectionForm", "'%1' is not a valid integer value"): ("'%1' ist keine gültige ganze Zahl", "'%1' n'est pas un nombre entier valide", "'%1' no es un número entero válido"),
    ("TEquipmentSelectionForm", "It is recommended that you increase the system color setting to at least 16 bit"): ("Es wird empfohlen, die Farbtiefe des Systems auf mindestens 16 Bit zu erhöhen", "Il est recommandé de régler la profondeur de couleur du système sur 16 bits au moins", "Se recomienda aumentar la profundidad de color del sistema a 16 bits como mínimo"),
    ("TEquipmentSelectionForm", "Lower color settings will result in some graphics not being displayed correctly."): ("Bei geringerer Farbtiefe werden einige Grafiken nicht richtig dargestellt.", "Avec moins de couleurs, certains graphiques ne s'afficheront pas correctement.", "Con menos colores, algunos gráficos no se mostrarán correctamente."),
    ("TAboutForm", "About the Korvex Ferrant Product Range"): ("Über die Korvex-Ferrant-Produktreihe", "À propos de la gamme Korvex Ferrant", "Acerca de la gama Korvex Ferrant"),
    # The communications options
    ("TComSelectFormKV", "USB Device Connected"): ("USB-Gerät verbunden", "Appareil USB connecté", "Dispositivo USB conectado"),
    ("TComSelectFormKV", "USB Device Not Connected"): ("USB-Gerät nicht verbunden", "Appareil USB non connecté", "Dispositivo USB no conectado"),
    ("TComSelectFormKV", "Communications Options"): ("Verbindungsoptionen", "Options de communication", "Opciones de comunicación"),
    ("TComSelectFormKV", "USB"): ("USB", "USB", "USB"),
    ("TComSelectFormKV", "Only connect via USB"): ("Nur über USB verbinden", "Connexion USB seulement", "Conectar solo por USB"),
    ("TComSelectFormKV", "Serial Port"): ("Serielle Schnittstelle", "Port série", "Puerto serie"),
    ("TComSelectFormKV", "OK"): ("OK", "OK", "Aceptar"),
    ("TComSelectFormKV", "Cancel"): ("Abbrechen", "Annuler", "Cancelar"),
    ("TComSelectFormKV", "Select the serial port to be used."): ("Serielle Schnittstelle wählen.", "Choisissez le port série.", "Elija el puerto serie."),
    ("TComSelectFormKV", "No serial port found"): ("Keine serielle Schnittstelle", "Aucun port série trouvé", "No hay puerto serie"),
    ("TComSelectFormKV", "USB must be used."): ("Bitte USB verwenden.", "Utilisez l'USB.", "Use el USB."),
    # The deflection view
    ("TDeflectionView", "Theoretical Deflection y (mm)"): ("Biegelinie y (mm), Theorie", "Flèche théorique y (mm)", "Flecha teórica y (mm)"),
    ("TDeflectionView", "Theoretical deflection on gauge: "): ("Theoretisch an der Messuhr: ", "Flèche théorique au comparateur : ", "Flecha teórica en el reloj: "),
    # Sections and materials
    ("Sections", "Flat section"): ("Flachstab", "Plat", "Pletina"),
    ("Sections", "Upright section"): ("Hochkant-Flachstab", "Plat sur chant", "Pletina de canto"),
    ("Sections", "Inverted T section"): ("Umgekehrtes T-Profil", "Profil en T renversé", "Perfil en T invertida"),
    ("Sections", "H section"): ("H-Profil", "Profil en H", "Perfil en H"),
    ("Sections", "I section"): ("I-Profil", "Profil en I", "Perfil en I"),
    ("Sections", "U section"): ("U-Profil", "Profil en U", "Perfil en U"),
    ("Sections", "Box section"): ("Kastenprofil", "Tube carré", "Perfil cajón"),
    ("Sections", "Circular section"): ("Rundrohr", "Tube rond", "Tubo redondo"),
    ("Sections", "Aluminium:   69 GPa"): ("Aluminium:   69 GPa", "Aluminium :  69 GPa", "Aluminio:     69 GPa"),
    ("Sections", "Steel:          207 GPa"): ("Stahl:          207 GPa", "Acier :         207 GPa", "Acero:          207 GPa"),
    ("Sections", "Brass:         105 GPa"): ("Messing:      105 GPa", "Laiton :        105 GPa", "Latón:          105 GPa"),
    ("Sections", "Other material (GPa):"): ("Anderer Werkstoff (GPa):", "Autre matériau (GPa) :", "Otro material (GPa):"),
    ("TDeflectionView", "Max -ve deflection:"): ("Größte Durchbiegung (-):", "Flèche max. (-) :", "Flecha máx. (-):"),
    ("TDeflectionView", "Max +ve deflection:"): ("Größte Durchbiegung (+):", "Flèche max. (+) :", "Flecha máx. (+):"),
    ("Sections", "Neutral Axis, Y:\t       "): ("Nulllinie, Y:\t       ", "Axe neutre, Y :\t       ", "Eje neutro, Y:\t       "),
    ("Sections", "2nd moment of area: "): ("Trägheitsmoment: ", "Moment d'inertie : ", "Momento de inercia: "),
    ("Sections", "Area of section:       "): ("Fläche:                ", "Aire de la section :   ", "Área de la sección:    "),
    ("Sections", "Other material: "): ("Anderer Werkstoff: ", "Autre matériau : ", "Otro material: "),
    ("TSectionsPanel", " Display:"): (" Anzeige:", " Affichage :", " Mostrar:"),
    ("TSectionsPanel", "Beam Tools"): ("Werkzeuge", "Outils", "Útiles"),
    ("TSectionsPanel", "Section Properties"): ("Querschnitt", "Section", "Sección"),
    ("TSectionsPanel", "Switch between section attributes displayed"): ("Zwischen den angezeigten Querschnittswerten wechseln", "Changer les valeurs de section affichées", "Cambiar los valores de sección mostrados"),
    ("TSectionsPanel", "Pull down list to select a beam cross-section"): ("Liste aufklappen, um einen Balkenquerschnitt zu wählen", "Ouvrez la liste pour choisir une section de poutre", "Despliegue la lista para elegir una sección de viga"),
    ("TSectionsPanel", "(All dimensions are in mm)"): ("(Alle Maße in mm)", "(Cotes en mm)", "(Cotas en mm)"),
    ("TSectionsPanel", " Theoretical values:"): (" Theoretische Werte:", " Valeurs théoriques :", " Valores teóricos:"),
    ("TSectionsPanel", "Click to switch units"): ("Klicken, um die Einheiten zu wechseln", "Cliquez pour changer d'unités", "Haga clic para cambiar de unidades"),
    ("TSectionsPanel", "Young's modulus:"): ("E-Modul:", "Module d'Young :", "Módulo de Young:"),
    ("TSectionsPanel", "Pull down list to select the material's Young's modulus"): ("Liste aufklappen, um den E-Modul des Werkstoffs zu wählen", "Ouvrez la liste pour choisir le module d'Young du matériau", "Despliegue la lista para elegir el módulo de Young del material"),
    ("TSectionsPanel", "Other (GPa):"): ("Anderer (GPa):", "Autre (GPa) :", "Otro (GPa):"),
    ("TSectionsPanel", "Enter Young's modulus (Range: 1 - 500 GPa)"): ("E-Modul eingeben (Bereich: 1 - 500 GPa)", "Saisissez le module d'Young (de 1 à 500 GPa)", "Introduzca el módulo de Young (de 1 a 500 GPa)"),
    ("TSectionsPanel", "OK"): ("OK", "OK", "OK"),
    ("TSectionsPanel", "Click to confirm value of Young's modulus"): ("Klicken, um den E-Modul zu bestätigen", "Cliquez pour valider le module d'Young", "Haga clic para confirmar el módulo de Young"),
    # The experiment window
    ("TVEK4Form", "Connect VEK2000 / Select Virtual Experiments"): ("VEK2000 verbinden / Virtuelle Versuche wählen", "Connecter le VEK2000 / Choisir les essais virtuels", "Conecte el VEK2000 / Elija ensayos virtuales"),
    ("TVEK4Form", "Use tool box tools to add supports and weights to beam"): ("Auflager und Gewichte mit dem Werkzeugkasten setzen", "Placez appuis et masses sur la poutre avec la boîte à outils", "Use la caja de útiles para poner apoyos y pesas en la viga"),
    ("TVEK4Form", "&File"): ("&Datei", "&Fichier", "&Archivo"),
    ("TVEK4Form", "&New"): ("&Neu", "&Nouveau", "&Nuevo"),
    ("TVEK4Form", "New layout"): ("Neuer Aufbau", "Nouveau montage", "Nuevo montaje"),
    ("TVEK4Form", "&Open"): ("Ö&ffnen", "&Ouvrir", "&Abrir"),
    ("TVEK4Form", "E&xit"): ("&Beenden", "&Quitter", "Sa&lir"),
    ("TVEK4Form", "&Run"): ("&Versuch", "&Essai", "&Ensayo"),
    ("TVEK4Form", "&Connect to VEK2000"): ("Mit VEK2000 &verbinden", "&Connecter au VEK2000", "&Conectar al VEK2000"),
    ("TVEK4Form", "&Disconnect from VEK2000"): ("VEK2000 &trennen", "&Déconnecter du VEK2000", "&Desconectar del VEK2000"),
    ("TVEK4Form", "&Virtual Experiments"): ("V&irtuelle Versuche", "Essais &virtuels", "Ensayos &virtuales"),
    ("TVEK4Form", "&Options"): ("&Optionen", "&Options", "&Opciones"),
    ("TVEK4Form", "&Set Communications Options"): ("&Verbindungsoptionen einstellen", "Options de &communication", "Opciones de &comunicación"),
    ("TVEK4Form", "&Record data to table"): ("Daten in Tabelle &aufzeichnen", "&Enregistrer dans le tableau", "&Registrar datos en la tabla"),
    ("TVEK4Form", "Record data to table"): ("Daten in Tabelle aufzeichnen", "Enregistrer dans le tableau", "Registrar datos en la tabla"),
    ("TVEK4Form", "&Data"): ("&Messwerte", "&Données", "&Datos"),
    ("TVEK4Form", "&Window"): ("&Fenster", "Fe&nêtre", "Ve&ntana"),
    ("TVEK4Form", "&Help"): ("&Hilfe", "&Aide", "A&yuda"),
    ("TVEK4Form", "&About Ferrant Range..."): ("&Über die Ferrant-Reihe...", "À &propos de la gamme Ferrant...", "&Acerca de la gama Ferrant..."),
    ("TVEK4Form", "&Version Information"): ("&Versionsinformation", "&Informations de version", "&Información de versión"),
    ("TVEK4Form", "Connect to VEK2000 unit"): ("Mit dem VEK2000 verbinden", "Connecter au VEK2000", "Conectar al VEK2000"),
    ("TVEK4Form", "Disconnect from VEK2000"): ("VEK2000 trennen", "Déconnecter du VEK2000", "Desconectar del VEK2000"),
    ("TVEK4Form", "Virtual Experiments"): ("Virtuelle Versuche", "Essais virtuels", "Ensayos virtuales"),
    ("TVEK4Form", "Variable hanger position"): ("Lage der Last variabel", "Position de charge variable", "Posición de carga variable"),
    ("TVEK4Form", "Variable hanger load"): ("Last variabel", "Charge variable", "Carga variable"),
    ("TVEK4Form", "Variable beam span"): ("Stützweite variabel", "Portée variable", "Luz variable"),
    ("TVEK4Form", "Variable UDL value"): ("Streckenlast variabel", "Charge répartie variable", "Carga repartida variable"),
    ("TVEK4Form", "Variable UDL length"): ("Lastlänge variabel", "Longueur de charge variable", "Longitud de carga variable"),
    ("TVEK4Form", "Variable gauge position"): ("Messuhrlage variabel", "Position du comparateur", "Posición del reloj variable"),
    ("TVEK4Form", "Variable section"): ("Querschnitt variabel", "Section variable", "Sección variable"),
    ("TVEK4Form", "Variable material"): ("Werkstoff variabel", "Matériau variable", "Material variable"),
    ("TVEK4Form", "Circular Bending, variable load"): ("Reine Biegung, Last variabel", "Flexion pure, charge variable", "Flexión pura, carga variable"),
    ("TVEK4Form", "Arbitrary combination"): ("Beliebige Kombination", "Combinaison libre", "Combinación libre"),
    ("TVEK4Form", "Select property being varied..."): ("Veränderte Größe wählen...", "Grandeur variée...", "Magnitud que varía..."),
    ("TVEK4Form", "Comms link OFF"): ("Verbindung AUS", "Liaison COUPÉE", "Enlace APAGADO"),
    ("TVEK4Form", "Actual deflection on gauge:"): ("Gemessen an der Messuhr:", "Flèche mesurée :", "Flecha medida:"),
    ("TVEK4Form", "Deflection 1"): ("Messuhr 1", "Flèche 1", "Flecha 1"),
    ("TVEK4Form", "Deflection 2"): ("Messuhr 2", "Flèche 2", "Flecha 2"),
    ("TVEK4Form", "Select input channel to display"): ("Anzuzeigenden Eingangskanal wählen", "Choisissez la voie d'entrée affichée", "Elija el canal de entrada que se muestra"),
    ("TVEK4Form", "Tool Box: "): ("Werkzeugkasten: ", "Boîte à outils : ", "Caja de útiles: "),
    ("TVEK4Form", "Drag clamps to either end of beam"): ("Einspannungen an ein Balkenende ziehen", "Glissez les encastrements aux bouts de la poutre", "Arrastre los empotramientos a los extremos de la viga"),
    ("TVEK4Form", "Drag supports (max. 2) under beam"): ("Auflager (max. 2) unter den Balken ziehen", "Glissez les appuis (2 au plus) sous la poutre", "Arrastre los apoyos (máx. 2) bajo la viga"),
    ("TVEK4Form", "Remove weights from beam by dragging to bin"): ("Gewichte zum Entfernen in den Behälter ziehen", "Glissez les masses dans le bac pour les ôter", "Arrastre las pesas a la papelera para quitarlas"),
    ("TVEK4Form", "Uniformly Distributed Load (N/m)"): ("Streckenlast (N/m)", "Charge répartie (N/m)", "Carga repartida (N/m)"),
    ("TVEK4Form", "Select Uniformly Distributed Load (1 - 50 N/m)"): ("Streckenlast wählen (1 - 50 N/m)", "Choisissez la charge répartie (1 - 50 N/m)", "Elija la carga repartida (1 - 50 N/m)"),
    ("TVEK4Form", "Drag displayed weight (grams) onto beam"): ("Angezeigtes Gewicht (Gramm) auf den Balken ziehen", "Glissez la masse affichée (grammes) sur la poutre", "Arrastre la pesa mostrada (gramos) a la viga"),
    ("TVEK4Form", "Select weight (Range: 10 - 500 grams)"): ("Gewicht wählen (Bereich: 10 - 500 Gramm)", "Choisissez la masse (de 10 à 500 grammes)", "Elija la pesa (de 10 a 500 gramos)"),
    ("TVEK4Form", "(grams)"): ("(Gramm)", "(g)", "(gramos)"),
    ("TVEK4Form", "Drag %1 grams onto beam"): ("%1 Gramm auf den Balken ziehen", "Glissez %1 grammes sur la poutre", "Arrastre %1 gramos a la viga"),
    ("TVEK4Form", "USB Device Connected"): ("USB-Gerät verbunden", "Appareil USB connecté", "USB conectado"),
    ("TVEK4Form", "%1 grams"): ("%1 Gramm", "%1 grammes", "%1 gramos"),
    ("TVEK4Form", "Uniformly distributed load of "): ("Streckenlast von ", "Charge répartie de ", "Carga repartida de "),
    ("TVEK4Form", "Click to put a Uniformly Distributed Load on the beam"): ("Klicken, um eine Streckenlast auf den Balken zu legen", "Cliquez pour mettre une charge répartie sur la poutre", "Haga clic para poner una carga repartida en la viga"),
    ("TVEK4Form", "Communicating via USB"): ("Verbunden über USB", "Liaison par USB", "Enlace por USB"),
    ("TVEK4Form", "COM %1: Connected"): ("COM %1: verbunden", "COM %1 : connecté", "COM %1: conectado"),
    ("TVEK4Form", "Comms link unstable"): ("Verbindung unsicher", "Liaison instable", "Enlace inestable"),
    ("TVEK4Form", "USB Device Disconnected"): ("USB-Gerät getrennt", "Appareil USB déconnecté", "USB desconectado"),
    ("TVEK4Form", "&Desktop language"): ("Sprache des &Desktops", "Langue du &bureau", "Idioma del &escritorio"),
    ("TVEK4Form", "Large &display"): ("Große &Anzeige", "Grand &affichage", "Pantalla &grande"),
    ("TVEK4Form", "The whole program larger, with bolder lines, for a projector"): ("Das Programm größer, mit kräftigeren Linien, für Projektoren", "Tout le programme en plus grand, traits épaissis, pour un projecteur", "Todo el programa más grande y con trazos gruesos, para un proyector"),
    ("TVEK4Form", "Lang&uage"): ("S&prache", "Lan&gue", "&Idioma"),
    ("TVEK4Form", "The large display shows the whole program larger from its next start."): ("Die große Anzeige zeigt das Programm ab dem nächsten Start größer.", "Le grand affichage agrandit le programme à son prochain démarrage.", "La pantalla grande amplía el programa a partir del próximo inicio."),
    ("TVEK4Form", "The program returns to its normal size from its next start."): ("Das Programm hat ab dem nächsten Start wieder seine normale Größe.", "Le programme reprend sa taille normale à son prochain démarrage.", "El programa recupera su tamaño normal en el próximo inicio."),
    ("TVEK4Form", "Start the program again now?"): ("Programm jetzt neu starten?", "Redémarrer le programme maintenant ?", "¿Reiniciar el programa ahora?"),
    ("TVEK4Form", "The program speaks the language chosen from its next start."): ("Das Programm spricht ab dem nächsten Start die gewählte Sprache.", "Le programme parlera la langue choisie à son prochain démarrage.", "El programa usará el idioma elegido a partir del próximo inicio."),
    ("TVEK4Form", "Support Position"): ("Auflagerlage", "Position d'appui", "Posición apoyo"),
    ("TVEK4Form", "Gauge Position"): ("Messuhrlage", "Comparateur", "Posición reloj"),
    ("TVEK4Form", "UDL length"): ("Lastlänge", "Longueur", "Longitud carga"),
    ("TVEK4Form", "Load Position"): ("Laststelle", "Position charge", "Posición carga"),
    ("TVEK4Form", "Right click to change length of UDL"): ("Rechtsklick ändert die Länge der Streckenlast", "Clic droit pour changer la longueur de la charge répartie", "Clic derecho para cambiar la longitud de la carga repartida"),
    ("TVEK4Form", "Drag the dial gauge along the beam"): ("Messuhr am Balken entlang ziehen", "Glissez le comparateur le long de la poutre", "Arrastre el reloj comparador a lo largo de la viga"),
}

LANGUAGES = ["de", "fr", "es"]


def fill(language):
    path = os.path.join(HERE, f"ferrant_{language}.ts")
    tree = ET.parse(path)
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            texts = T.get((name, source))
            if texts is None:
                missing.append((name, source))
                continue
            translation.text = texts[LANGUAGES.index(language)]
            translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1))
    return missing


if __name__ == "__main__":
    for language in LANGUAGES:
        for name, source in fill(language):
            print(f"{language}: no translation for {name}: {source!r}", file=sys.stderr)
