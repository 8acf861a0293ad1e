<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Sections</name>
    <message>
        <source>Neutral Axis, Y:	       </source>
        <translation>Nulllinie, Y:	       </translation>
    </message>
    <message>
        <source>2nd moment of area: </source>
        <translation>Trägheitsmoment: </translation>
    </message>
    <message>
        <source>Area of section:       </source>
        <translation>Fläche:                </translation>
    </message>
    <message>
        <source>Other material: </source>
        <translation>Anderer Werkstoff: </translation>
    </message>
    <message>
        <source>Flat section</source>
        <translation>Flachstab</translation>
    </message>
    <message>
        <source>Upright section</source>
        <translation>Hochkant-Flachstab</translation>
    </message>
    <message>
        <source>Inverted T section</source>
        <translation>Umgekehrtes T-Profil</translation>
    </message>
    <message>
        <source>H section</source>
        <translation>H-Profil</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>I-Profil</translation>
    </message>
    <message>
        <source>U section</source>
        <translation>U-Profil</translation>
    </message>
    <message>
        <source>Box section</source>
        <translation>Kastenprofil</translation>
    </message>
    <message>
        <source>Circular section</source>
        <translation>Rundrohr</translation>
    </message>
    <message>
        <source>Aluminium:   69 GPa</source>
        <translation>Aluminium:   69 GPa</translation>
    </message>
    <message>
        <source>Steel:          207 GPa</source>
        <translation>Stahl:          207 GPa</translation>
    </message>
    <message>
        <source>Brass:         105 GPa</source>
        <translation>Messing:      105 GPa</translation>
    </message>
    <message>
        <source>Other material (GPa):</source>
        <translation>Anderer Werkstoff (GPa):</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application already running</source>
        <translation>Programm läuft bereits</translation>
    </message>
    <message>
        <source>An Instance of this application is already running.</source>
        <translation>Dieses Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About the Korvex Ferrant Product Range</source>
        <translation>Über die Korvex-Ferrant-Produktreihe</translation>
    </message>
</context>
<context>
    <name>TComSelectFormKV</name>
    <message>
        <source>USB Device Connected</source>
        <translation>USB-Gerät verbunden</translation>
    </message>
    <message>
        <source>USB Device Not Connected</source>
        <translation>USB-Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Communications Options</source>
        <translation>Verbindungsoptionen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Only connect via USB</source>
        <translation>Nur über USB verbinden</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select the serial port to be used.</source>
        <translation>Serielle Schnittstelle wählen.</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>USB must be used.</source>
        <translation>Bitte USB verwenden.</translation>
    </message>
</context>
<context>
    <name>TDeflectionView</name>
    <message>
        <source>Theoretical Deflection y (mm)</source>
        <translation>Biegelinie y (mm), Theorie</translation>
    </message>
    <message>
        <source>Theoretical deflection on gauge: </source>
        <translation>Theoretisch an der Messuhr: </translation>
    </message>
    <message>
        <source>Max -ve deflection:</source>
        <translation>Größte Durchbiegung (-):</translation>
    </message>
    <message>
        <source>Max +ve deflection:</source>
        <translation>Größte Durchbiegung (+):</translation>
    </message>
</context>
<context>
    <name>TEquipmentSelectionForm</name>
    <message>
        <source>Click a button to select an experimental module</source>
        <translation>Klicken Sie auf eine Schaltfläche, um ein Versuchsmodul zu wählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please install Microsoft Internet Explorer 5.0 or later</source>
        <translation>Bitte installieren Sie Microsoft Internet Explorer 5.0 oder neuer</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>It is recommended that you increase the system color setting to at least 16 bit</source>
        <translation>Es wird empfohlen, die Farbtiefe des Systems auf mindestens 16 Bit zu erhöhen</translation>
    </message>
    <message>
        <source>Lower color settings will result in some graphics not being displayed correctly.</source>
        <translation>Bei geringerer Farbtiefe werden einige Grafiken nicht richtig dargestellt.</translation>
    </message>
</context>
<context>
    <name>TSectionsPanel</name>
    <message>
        <source> Display:</source>
        <translation> Anzeige:</translation>
    </message>
    <message>
        <source>Beam Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Section Properties</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>Switch between section attributes displayed</source>
        <translation>Zwischen den angezeigten Querschnittswerten wechseln</translation>
    </message>
    <message>
        <source>Pull down list to select a beam cross-section</source>
        <translation>Liste aufklappen, um einen Balkenquerschnitt zu wählen</translation>
    </message>
    <message>
        <source>(All dimensions are in mm)</source>
        <translation>(Alle Maße in mm)</translation>
    </message>
    <message>
        <source> Theoretical values:</source>
        <translation> Theoretische Werte:</translation>
    </message>
    <message>
        <source>Click to switch units</source>
        <translation>Klicken, um die Einheiten zu wechseln</translation>
    </message>
    <message>
        <source>Young's modulus:</source>
        <translation>E-Modul:</translation>
    </message>
    <message>
        <source>Pull down list to select the material's Young's modulus</source>
        <translation>Liste aufklappen, um den E-Modul des Werkstoffs zu wählen</translation>
    </message>
    <message>
        <source>Other (GPa):</source>
        <translation>Anderer (GPa):</translation>
    </message>
    <message>
        <source>Enter Young's modulus (Range: 1 - 500 GPa)</source>
        <translation>E-Modul eingeben (Bereich: 1 - 500 GPa)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click to confirm value of Young's modulus</source>
        <translation>Klicken, um den E-Modul zu bestätigen</translation>
    </message>
</context>
<context>
    <name>TVEK4Form</name>
    <message>
        <source>Connect VEK2000 / Select Virtual Experiments</source>
        <translation>VEK2000 verbinden / Virtuelle Versuche wählen</translation>
    </message>
    <message>
        <source>Use tool box tools to add supports and weights to beam</source>
        <translation>Auflager und Gewichte mit dem Werkzeugkasten setzen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New layout</source>
        <translation>Neuer Aufbau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Versuch</translation>
    </message>
    <message>
        <source>&amp;Connect to VEK2000</source>
        <translation>Mit VEK2000 &amp;verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect from VEK2000</source>
        <translation>VEK2000 &amp;trennen</translation>
    </message>
    <message>
        <source>&amp;Virtual Experiments</source>
        <translation>V&amp;irtuelle Versuche</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Set Communications Options</source>
        <translation>&amp;Verbindungsoptionen einstellen</translation>
    </message>
    <message>
        <source>&amp;Record data to table</source>
        <translation>Daten in Tabelle &amp;aufzeichnen</translation>
    </message>
    <message>
        <source>Record data to table</source>
        <translation>Daten in Tabelle aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Messwerte</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Ferrant Range...</source>
        <translation>&amp;Über die Ferrant-Reihe...</translation>
    </message>
    <message>
        <source>&amp;Version Information</source>
        <translation>&amp;Versionsinformation</translation>
    </message>
    <message>
        <source>Connect to VEK2000 unit</source>
        <translation>Mit dem VEK2000 verbinden</translation>
    </message>
    <message>
        <source>Disconnect from VEK2000</source>
        <translation>VEK2000 trennen</translation>
    </message>
    <message>
        <source>Virtual Experiments</source>
        <translation>Virtuelle Versuche</translation>
    </message>
    <message>
        <source>Variable hanger position</source>
        <translation>Lage der Last variabel</translation>
    </message>
    <message>
        <source>Variable hanger load</source>
        <translation>Last variabel</translation>
    </message>
    <message>
        <source>Variable beam span</source>
        <translation>Stützweite variabel</translation>
    </message>
    <message>
        <source>Variable UDL value</source>
        <translation>Streckenlast variabel</translation>
    </message>
    <message>
        <source>Variable UDL length</source>
        <translation>Lastlänge variabel</translation>
    </message>
    <message>
        <source>Variable gauge position</source>
        <translation>Messuhrlage variabel</translation>
    </message>
    <message>
        <source>Variable section</source>
        <translation>Querschnitt variabel</translation>
    </message>
    <message>
        <source>Variable material</source>
        <translation>Werkstoff variabel</translation>
    </message>
    <message>
        <source>Circular Bending, variable load</source>
        <translation>Reine Biegung, Last variabel</translation>
    </message>
    <message>
        <source>Arbitrary combination</source>
        <translation>Beliebige Kombination</translation>
    </message>
    <message>
        <source>Select property being varied...</source>
        <translation>Veränderte Größe wählen...</translation>
    </message>
    <message>
        <source>Comms link OFF</source>
        <translation>Verbindung AUS</translation>
    </message>
    <message>
        <source>Actual deflection on gauge:</source>
        <translation>Gemessen an der Messuhr:</translation>
    </message>
    <message>
        <source>Deflection 1</source>
        <translation>Messuhr 1</translation>
    </message>
    <message>
        <source>Deflection 2</source>
        <translation>Messuhr 2</translation>
    </message>
    <message>
        <source>Select input channel to display</source>
        <translation>Anzuzeigenden Eingangskanal wählen</translation>
    </message>
    <message>
        <source>Tool Box: </source>
        <translation>Werkzeugkasten: </translation>
    </message>
    <message>
        <source>Drag clamps to either end of beam</source>
        <translation>Einspannungen an ein Balkenende ziehen</translation>
    </message>
    <message>
        <source>Drag supports (max. 2) under beam</source>
        <translation>Auflager (max. 2) unter den Balken ziehen</translation>
    </message>
    <message>
        <source>Remove weights from beam by dragging to bin</source>
        <translation>Gewichte zum Entfernen in den Behälter ziehen</translation>
    </message>
    <message>
        <source>Uniformly Distributed Load (N/m)</source>
        <translation>Streckenlast (N/m)</translation>
    </message>
    <message>
        <source>Select Uniformly Distributed Load (1 - 50 N/m)</source>
        <translation>Streckenlast wählen (1 - 50 N/m)</translation>
    </message>
    <message>
        <source>Drag displayed weight (grams) onto beam</source>
        <translation>Angezeigtes Gewicht (Gramm) auf den Balken ziehen</translation>
    </message>
    <message>
        <source>Select weight (Range: 10 - 500 grams)</source>
        <translation>Gewicht wählen (Bereich: 10 - 500 Gramm)</translation>
    </message>
    <message>
        <source>(grams)</source>
        <translation>(Gramm)</translation>
    </message>
    <message>
        <source>Drag %1 grams onto beam</source>
        <translation>%1 Gramm auf den Balken ziehen</translation>
    </message>
    <message>
        <source>USB Device Connected</source>
        <translation>USB-Gerät verbunden</translation>
    </message>
    <message>
        <source>%1 grams</source>
        <translation>%1 Gramm</translation>
    </message>
    <message>
        <source>Uniformly distributed load of </source>
        <translation>Streckenlast von </translation>
    </message>
    <message>
        <source>Click to put a Uniformly Distributed Load on the beam</source>
        <translation>Klicken, um eine Streckenlast auf den Balken zu legen</translation>
    </message>
    <message>
        <source>Communicating via USB</source>
        <translation>Verbunden über USB</translation>
    </message>
    <message>
        <source>COM %1: Connected</source>
        <translation>COM %1: verbunden</translation>
    </message>
    <message>
        <source>Comms link unstable</source>
        <translation>Verbindung unsicher</translation>
    </message>
    <message>
        <source>USB Device Disconnected</source>
        <translation>USB-Gerät getrennt</translation>
    </message>
    <message>
        <source>&amp;Desktop language</source>
        <translation>Sprache des &amp;Desktops</translation>
    </message>
    <message>
        <source>The whole program larger, with bolder lines, for a projector</source>
        <translation>Das Programm größer, mit kräftigeren Linien, für Projektoren</translation>
    </message>
    <message>
        <source>The large display shows the whole program larger from its next start.</source>
        <translation>Die große Anzeige zeigt das Programm ab dem nächsten Start größer.</translation>
    </message>
    <message>
        <source>The program returns to its normal size from its next start.</source>
        <translation>Das Programm hat ab dem nächsten Start wieder seine normale Größe.</translation>
    </message>
    <message>
        <source>Start the program again now?</source>
        <translation>Programm jetzt neu starten?</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from its next start.</source>
        <translation>Das Programm spricht ab dem nächsten Start die gewählte Sprache.</translation>
    </message>
    <message>
        <source>Support Position</source>
        <translation>Auflagerlage</translation>
    </message>
    <message>
        <source>Gauge Position</source>
        <translation>Messuhrlage</translation>
    </message>
    <message>
        <source>UDL length</source>
        <translation>Lastlänge</translation>
    </message>
    <message>
        <source>Load Position</source>
        <translation>Laststelle</translation>
    </message>
    <message>
        <source>Right click to change length of UDL</source>
        <translation>Rechtsklick ändert die Länge der Streckenlast</translation>
    </message>
    <message>
        <source>Drag the dial gauge along the beam</source>
        <translation>Messuhr am Balken entlang ziehen</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Large &amp;display</source>
        <translation>Große &amp;Anzeige</translation>
    </message>
</context>
</TS>