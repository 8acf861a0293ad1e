<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClassCharts</name>
    <message>
        <source>No measured readings to compare</source>
        <translation>Keine Messwerte zum Vergleichen</translation>
    </message>
    <message>
        <source>Theory (mm)</source>
        <translation>Theorie (mm)</translation>
    </message>
    <message>
        <source>Measured (mm)</source>
        <translation>Gemessen (mm)</translation>
    </message>
    <message>
        <source>No run has a fit yet</source>
        <translation>Noch keine Messreihe ausgewertet</translation>
    </message>
    <message>
        <source>Material's E: %1</source>
        <translation>E des Werkstoffs: %1</translation>
    </message>
    <message>
        <source>Group, run</source>
        <translation>Gruppe, Messreihe</translation>
    </message>
    <message>
        <source>E_exp (GPa)</source>
        <translation>E_exp (GPa)</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 run), %5%6 % from %7 GPa</source>
        <translation>%1: E_exp im Mittel %2 GPa, Streuung %3 GPa (%4 Messreihe), %5%6 % gegenüber %7 GPa</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 runs), %5%6 % from %7 GPa</source>
        <translation>%1: E_exp im Mittel %2 GPa, Streuung %3 GPa (%4 Messreihen), %5%6 % gegenüber %7 GPa</translation>
    </message>
    <message>
        <source>No run has a fit yet.</source>
        <translation>Noch keine Messreihe ausgewertet.</translation>
    </message>
    <message>
        <source>File / group</source>
        <translation>Datei / Gruppe</translation>
    </message>
    <message>
        <source>Set-up, material</source>
        <translation>Aufbau, Werkstoff</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Veränderte Größe</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Messreihe</translation>
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
        <translation>Abweichung von E</translation>
    </message>
    <message>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Auswertung</translation>
    </message>
</context>
<context>
    <name>Diagrams</name>
    <message>
        <source>Shear force V</source>
        <translation>Querkraft V</translation>
    </message>
    <message>
        <source>Bending moment M</source>
        <translation>Biegemoment M</translation>
    </message>
    <message>
        <source>Slope θ</source>
        <translation>Neigung θ</translation>
    </message>
    <message>
        <source>Deflection y</source>
        <translation>Durchbiegung y</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load and is not supported. Put two knife-edges or an end clamp under it, then hang a weight or lay the UDL.</source>
        <translation>Nichts zu zeichnen: Der Balken ist weder belastet noch gelagert. Setzen Sie zwei Schneiden oder eine Einspannung darunter und hängen Sie dann ein Gewicht an oder legen Sie die Streckenlast auf.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load. Hang a weight or lay the UDL to see the reactions and the diagrams.</source>
        <translation>Nichts zu zeichnen: Der Balken ist unbelastet. Hängen Sie ein Gewicht an oder legen Sie die Streckenlast auf, um Auflagerkräfte und Diagramme zu sehen.</translation>
    </message>
    <message>
        <source>Nothing to draw: both knife-edges stand at the same place, so there is no span between them and the beam is not supported. Move one knife-edge.</source>
        <translation>Nichts zu zeichnen: Beide Schneiden stehen an derselben Stelle, es gibt keine Stützweite und der Balken ist nicht gelagert. Verschieben Sie eine Schneide.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam is not adequately supported. It needs two knife-edges or at least one end clamp before it can carry the loads.</source>
        <translation>Nichts zu zeichnen: Der Balken ist nicht ausreichend gelagert. Er braucht zwei Schneiden oder mindestens eine Einspannung, um die Lasten zu tragen.</translation>
    </message>
    <message>
        <source>Lift-off: knife-edge %1 at %2 would have to pull the beam down (%3 N); a knife-edge can only push, so the beam lifts off it and these results do not hold.</source>
        <translation>Abheben: Schneide %1 bei %2 müsste den Balken herunterziehen (%3 N); eine Schneide kann nur drücken, der Balken hebt ab und diese Ergebnisse gelten nicht.</translation>
    </message>
    <message>
        <source>Large deflection: %1 mm at %2, beyond 1/20 of the beam's length (%3 mm); small-deflection theory no longer holds.</source>
        <translation>Große Durchbiegung: %1 mm bei %2, mehr als 1/20 der Balkenlänge (%3 mm); die Theorie kleiner Verformungen gilt nicht mehr.</translation>
    </message>
    <message>
        <source>Yield: a bending stress of %1 MPa at %2 passes the material's typical yield strength of %3 MPa; the beam would bend permanently.</source>
        <translation>Fließen: Eine Biegespannung von %1 MPa bei %2 übersteigt die typische Streckgrenze des Werkstoffs von %3 MPa; der Balken würde sich bleibend verbiegen.</translation>
    </message>
</context>
<context>
    <name>LabFileTexts</name>
    <message>
        <source>The experiment has changes that are not saved (readings or layout).

Save them first?</source>
        <translation>Der Versuch hat ungespeicherte Änderungen (Messwerte oder Aufbau).

Zuerst speichern?</translation>
    </message>
    <message>
        <source>An experiment opens in virtual mode. Disconnect from the VEK2000 and open the experiment?</source>
        <translation>Ein Versuch öffnet sich im virtuellen Modus. Vom VEK2000 trennen und den Versuch öffnen?</translation>
    </message>
    <message>
        <source>The experiment "%1" could not be opened: %2.

Nothing in the window has changed.</source>
        <translation>Der Versuch "%1" ließ sich nicht öffnen: %2.

Im Fenster hat sich nichts geändert.</translation>
    </message>
    <message>
        <source>The experiment could not be saved to "%1": %2.

A file that was there before is unchanged.</source>
        <translation>Der Versuch ließ sich nicht unter "%1" speichern: %2.

Eine dort vorhandene Datei ist unverändert.</translation>
    </message>
    <message>
        <source>The table could not be exported to "%1": %2.</source>
        <translation>Die Tabelle ließ sich nicht nach "%1" exportieren: %2.</translation>
    </message>
    <message>
        <source>The report could not be written to "%1": %2.</source>
        <translation>Der Bericht ließ sich nicht nach "%1" schreiben: %2.</translation>
    </message>
    <message>
        <source>The crash journal could not be written (%1). Readings are still recorded, but save the experiment often: a crash could lose them.</source>
        <translation>Das Absturzprotokoll ließ sich nicht schreiben (%1). Messwerte werden weiter aufgezeichnet, aber speichern Sie den Versuch oft: Ein Absturz könnte sie verlieren.</translation>
    </message>
    <message>
        <source>The UDL was taken off the beam: the apparatus has no distributed load. Supports, weights and the gauge are kept.</source>
        <translation>Die Streckenlast wurde entfernt: Das Gerät hat keine Streckenlast. Auflager, Gewichte und Messuhr bleiben.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Copy of hand-out %1</source>
        <translation>Kopie der Vorlage %1</translation>
    </message>
    <message>
        <source>Beam experiments (*.ferx)</source>
        <translation>Balkenversuche (*.ferx)</translation>
    </message>
    <message>
        <source>CSV, comma or semicolon separated (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>CSV, durch Komma oder Semikolon getrennt (*.csv);;Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LabSessionTexts</name>
    <message>
        <source>The experiment window was not closed normally last time. Restore its layout and its %1 recorded reading(s)?

No discards them.</source>
        <translation>Das Versuchsfenster wurde beim letzten Mal nicht normal geschlossen. Aufbau und %1 aufgezeichnete(n) Messwert(e) wiederherstellen?

Nein verwirft sie.</translation>
    </message>
    <message>
        <source>

These cannot be restored: %1.</source>
        <translation>

Nicht wiederherstellbar: %1.</translation>
    </message>
    <message>
        <source>the layout, which could not be rebuilt (%1); the readings come back on an empty beam, and the next save asks for a file name</source>
        <translation>der Aufbau, der sich nicht wiederaufbauen ließ (%1); die Messwerte kommen auf einen leeren Balken zurück, und das nächste Speichern fragt nach einem Dateinamen</translation>
    </message>
    <message>
        <source>Row %1 recorded: %2 mm (gauge %3)</source>
        <translation>Zeile %1 aufgezeichnet: %2 mm (Messuhr %3)</translation>
    </message>
    <message>
        <source>Row %1 recorded: theory %2 mm at the gauge (virtual mode)</source>
        <translation>Zeile %1 aufgezeichnet: Theorie %2 mm an der Messuhr (virtuell)</translation>
    </message>
    <message>
        <source>; %1 begins: %2</source>
        <translation>; %1 beginnt: %2</translation>
    </message>
    <message>
        <source>; not fitted: %1</source>
        <translation>; nicht ausgewertet: %1</translation>
    </message>
    <message>
        <source>%1 reading(s) that could not be read</source>
        <translation>%1 unlesbare(r) Messwert(e)</translation>
    </message>
</context>
<context>
    <name>LabTexts</name>
    <message>
        <source>The table is full (%1 readings). Save the experiment, then start a new one with "&amp;New".</source>
        <translation>Die Tabelle ist voll (%1 Messwerte). Speichern Sie den Versuch und beginnen Sie mit "&amp;Neu" einen neuen.</translation>
    </message>
    <message>
        <source>The next row starts %1.</source>
        <translation>Mit der nächsten Zeile beginnt %1.</translation>
    </message>
    <message>
        <source>No reading recorded: switch on Virtual Experiments or connect to the VEK2000 first.</source>
        <translation>Kein Messwert aufgezeichnet: erst Virtuelle Versuche einschalten oder mit dem VEK2000 verbinden.</translation>
    </message>
    <message>
        <source>No reading recorded: the link to the VEK2000 is unstable. Wait for the green lamp, then record again.</source>
        <translation>Kein Messwert aufgezeichnet: Die Verbindung zum VEK2000 ist unsicher. Warten Sie auf die grüne Lampe und zeichnen Sie erneut auf.</translation>
    </message>
    <message>
        <source>No reading recorded: no readings are arriving from the VEK2000 (Comms link OFF). Wait for the green lamp, then record again.</source>
        <translation>Kein Messwert aufgezeichnet: Vom VEK2000 kommen keine Messwerte (Verbindung AUS). Warten Sie auf die grüne Lampe und zeichnen Sie erneut auf.</translation>
    </message>
    <message>
        <source>No reading recorded: the VEK2000 has sent no readings in the last second.</source>
        <translation>Kein Messwert aufgezeichnet: Das VEK2000 hat in der letzten Sekunde nichts gesendet.</translation>
    </message>
    <message>
        <source>No zero taken: both gauges are in error, or no readings arrived in the last second.</source>
        <translation>Kein Nullpunkt gesetzt: Beide Messuhren melden Fehler, oder in der letzten Sekunde kamen keine Messwerte.</translation>
    </message>
    <message>
        <source>The readings window could not be opened: %1</source>
        <translation>Das Messwertfenster ließ sich nicht öffnen: %1</translation>
    </message>
</context>
<context>
    <name>ReadingsFit</name>
    <message>
        <source>No fit: the measured values are all zero (is the gauge touching the beam?)</source>
        <translation>Keine Auswertung: Alle Messwerte sind null (berührt die Messuhr den Balken?)</translation>
    </message>
    <message>
        <source>No fit: measured and theory have opposite signs (k = %1)</source>
        <translation>Keine Auswertung: Messung und Theorie haben entgegengesetzte Vorzeichen (k = %1)</translation>
    </message>
    <message>
        <source>No readings in this run</source>
        <translation>Keine Messwerte in dieser Messreihe</translation>
    </message>
    <message>
        <source>No fit: the property varied is not a number</source>
        <translation>Keine Auswertung: Die veränderte Größe ist keine Zahl</translation>
    </message>
    <message>
        <source>No fit yet: it needs at least two readings with a measured value and a non-zero theory (%1 so far)</source>
        <translation>Noch keine Auswertung: Sie braucht mindestens zwei Messwerte mit Messung und Theorie ungleich null (bisher %1)</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Noch keine Messwerte</translation>
    </message>
    <message>
        <source>No fit: the section or material changed during the series</source>
        <translation>Keine Auswertung: Querschnitt oder Werkstoff änderten sich während der Reihe</translation>
    </message>
    <message>
        <source>k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa (material %7 GPa, %8%9 %)</source>
        <translation>k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa (Werkstoff %7 GPa, %8%9 %)</translation>
    </message>
    <message>
        <source>; EI = %1 N m²</source>
        <translation>; EI = %1 N m²</translation>
    </message>
</context>
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
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Steel</source>
        <translation>Stahl</translation>
    </message>
    <message>
        <source>Brass</source>
        <translation>Messing</translation>
    </message>
    <message>
        <source>Other material</source>
        <translation>Anderer Werkstoff</translation>
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
    <name>TCompareWindow</name>
    <message>
        <source>Add &amp;files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add f&amp;older...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>Tabelle &amp;exportieren...</translation>
    </message>
    <message>
        <source>Class &amp;summary as PDF...</source>
        <translation>&amp;Zusammenfassung als PDF...</translation>
    </message>
    <message>
        <source>Add experiment files to the comparison</source>
        <translation>Versuchsdateien zum Vergleich hinzufügen</translation>
    </message>
    <message>
        <source>Add every experiment file of a folder (a class's shared folder)</source>
        <translation>Alle Versuchsdateien eines Ordners hinzufügen (Klassenordner)</translation>
    </message>
    <message>
        <source>Write the table as CSV or as an Excel workbook</source>
        <translation>Tabelle als CSV oder Excel-Arbeitsmappe schreiben</translation>
    </message>
    <message>
        <source>Write the table, both charts and the class's mean and spread as a PDF</source>
        <translation>Tabelle, beide Diagramme, Mittelwert und Streuung der Klasse als PDF</translation>
    </message>
    <message>
        <source>Runs of every experiment</source>
        <translation>Messreihen aller Versuche</translation>
    </message>
    <message>
        <source>Measured against theory, one colour per file</source>
        <translation>Gemessen über Theorie, eine Farbe je Datei</translation>
    </message>
    <message>
        <source>E_exp of each run against the material's E</source>
        <translation>E_exp jeder Messreihe und E des Werkstoffs</translation>
    </message>
    <message>
        <source>Add a class's experiment files, or the folder that holds them.</source>
        <translation>Fügen Sie die Versuchsdateien einer Klasse oder ihren Ordner hinzu.</translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 wurde nicht gelesen: %2</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Ergebnisse der Klasse exportieren</translation>
    </message>
    <message>
        <source>The class results could not be written to %1: %2.</source>
        <translation>Die Ergebnisse der Klasse ließen sich nicht nach %1 schreiben: %2.</translation>
    </message>
    <message>
        <source>Class summary as PDF</source>
        <translation>Zusammenfassung der Klasse als PDF</translation>
    </message>
    <message>
        <source>Class summary: deflection of beams</source>
        <translation>Zusammenfassung der Klasse: Durchbiegung von Balken</translation>
    </message>
    <message>
        <source>The class summary could not be written to %1: %2.</source>
        <translation>Die Zusammenfassung ließ sich nicht nach %1 schreiben: %2.</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Versuche vergleichen</translation>
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
    <name>TDiagramsForm</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Worked solution</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>&amp;Export diagrams as PNG / PDF...</source>
        <translation>Diagramme als PNG / PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the diagrams as a picture (PNG), or with the worked solution as a PDF</source>
        <translation>Diagramme als Bild (PNG) oder mit Lösungsweg als PDF speichern</translation>
    </message>
    <message>
        <source>Export diagrams</source>
        <translation>Diagramme exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;PDF with the worked solution (*.pdf)</source>
        <translation>PNG-Bild (*.png);;PDF mit Lösungsweg (*.pdf)</translation>
    </message>
    <message>
        <source>The diagrams could not be saved: %1.</source>
        <translation>Die Diagramme ließen sich nicht speichern: %1.</translation>
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
    <name>TReadingsModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Theory
(mm, down -)</source>
        <translation>Theorie
(mm, ab -)</translation>
    </message>
    <message>
        <source>Measured
(mm)</source>
        <translation>Gemessen
(mm)</translation>
    </message>
    <message>
        <source>Meas. - theory
(mm)</source>
        <translation>Mess. - Theo.
(mm)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Abweichung (%)</translation>
    </message>
    <message>
        <source>Gauge compared</source>
        <translation>Verglichene Messuhr</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Veränderte Größe</translation>
    </message>
    <message>
        <source>Gauge at (mm)</source>
        <translation>Messuhr bei (mm)</translation>
    </message>
    <message>
        <source>Gauge 1 (mm)</source>
        <translation>Messuhr 1 (mm)</translation>
    </message>
    <message>
        <source>n 1</source>
        <translation>n 1</translation>
    </message>
    <message>
        <source>s.d. 1 (mm)</source>
        <translation>s 1 (mm)</translation>
    </message>
    <message>
        <source>Zero 1 (mm)</source>
        <translation>Null 1 (mm)</translation>
    </message>
    <message>
        <source>Gauge 2 (mm)</source>
        <translation>Messuhr 2 (mm)</translation>
    </message>
    <message>
        <source>n 2</source>
        <translation>n 2</translation>
    </message>
    <message>
        <source>s.d. 2 (mm)</source>
        <translation>s 2 (mm)</translation>
    </message>
    <message>
        <source>Zero 2 (mm)</source>
        <translation>Null 2 (mm)</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Not fitted: %1</source>
        <translation>Nicht ausgewertet: %1</translation>
    </message>
    <message>
        <source>Theoretical deflection at the gauge; downward is negative</source>
        <translation>Theoretische Durchbiegung an der Messuhr; nach unten negativ</translation>
    </message>
    <message>
        <source>Gauge %1</source>
        <translation>Messuhr %1</translation>
    </message>
    <message>
        <source>%1, %2 GPa</source>
        <translation>%1, %2 GPa</translation>
    </message>
    <message>
        <source>not fitted: %1</source>
        <translation>nicht ausgewertet: %1</translation>
    </message>
</context>
<context>
    <name>TReadingsWindow</name>
    <message>
        <source>Measured against theory, each run fitted on its own</source>
        <translation>Gemessen über Theorie, jede Messreihe für sich ausgewertet</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Noch keine Messwerte</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>(measured, mm)</source>
        <translation>(gemessen, mm)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>&amp;Delete selected rows</source>
        <translation>Markierte Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>C&amp;lear all</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>reading %1 (%2)</source>
        <translation>Messwert %1 (%2)</translation>
    </message>
    <message>
        <source>the %1 readings %2</source>
        <translation>die %1 Messwerte %2</translation>
    </message>
    <message>
        <source>Delete %1 from the table?</source>
        <translation>%1 aus der Tabelle löschen?</translation>
    </message>
    <message>
        <source>Clear all %1 readings from the table?</source>
        <translation>Alle %1 Messwerte aus der Tabelle löschen?</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
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
    <message>
        <source>Experiment details</source>
        <translation>Angaben zum Versuch</translation>
    </message>
    <message>
        <source>Students' &amp;names:</source>
        <translation>&amp;Namen:</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Bench:</source>
        <translation>&amp;Platz:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Versuche vergleichen</translation>
    </message>
    <message>
        <source>A folder of experiment files</source>
        <translation>Ein Ordner mit Versuchsdateien</translation>
    </message>
    <message>
        <source>Show the reactions and the beam's diagrams with a worked solution</source>
        <translation>Auflagerkräfte und Schnittgrößen mit Lösungsweg zeigen</translation>
    </message>
    <message>
        <source>Show &amp;diagrams</source>
        <translation>&amp;Diagramme zeigen</translation>
    </message>
    <message>
        <source>Laboratory report</source>
        <translation>Versuchsbericht</translation>
    </message>
    <message>
        <source>Student's name for the report:</source>
        <translation>Name für den Bericht:</translation>
    </message>
    <message>
        <source>the XLSX writer could not be loaded (%1)</source>
        <translation>der XLSX-Schreiber ließ sich nicht laden (%1)</translation>
    </message>
    <message>
        <source>Printing could not be loaded: %1</source>
        <translation>Das Drucken ließ sich nicht laden: %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the experiment: layout and readings</source>
        <translation>Versuch speichern: Aufbau und Messwerte</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the experiment in a new file</source>
        <translation>Versuch in einer neuen Datei speichern</translation>
    </message>
    <message>
        <source>Save as &amp;hand-out...</source>
        <translation>Als &amp;Vorlage speichern...</translation>
    </message>
    <message>
        <source>Save a hand-out: students who open it get an untitled copy</source>
        <translation>Als Vorlage speichern: wer sie öffnet, erhält eine Kopie</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>Tabelle &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export the readings to a CSV file or an Excel workbook</source>
        <translation>Messwerte als CSV-Datei oder Excel-Arbeitsmappe exportieren</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>Bericht &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the laboratory report</source>
        <translation>Den Versuchsbericht drucken</translation>
    </message>
    <message>
        <source>Export report as PD&amp;F...</source>
        <translation>Bericht als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Write the laboratory report as a PDF document</source>
        <translation>Den Versuchsbericht als PDF-Dokument schreiben</translation>
    </message>
    <message>
        <source>Experiment &amp;details...</source>
        <translation>&amp;Angaben zum Versuch...</translation>
    </message>
    <message>
        <source>Names, group, bench, date and a note, saved with the experiment</source>
        <translation>Namen, Gruppe, Platz, Datum, Notiz: mit dem Versuch gespeichert</translation>
    </message>
    <message>
        <source>&amp;Compare experiments...</source>
        <translation>Versuche ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>A class's experiment files side by side, with their fits</source>
        <translation>Die Versuchsdateien einer Klasse nebeneinander, mit Auswertung</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a saved experiment</source>
        <translation>Einen gespeicherten Versuch öffnen</translation>
    </message>
    <message>
        <source>Open experiment</source>
        <translation>Versuch öffnen</translation>
    </message>
    <message>
        <source>Save experiment as</source>
        <translation>Versuch speichern unter</translation>
    </message>
    <message>
        <source>Save as hand-out</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>no XLSX writer is available</source>
        <translation>kein XLSX-Schreiber verfügbar</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>Zero the gauges: their mean over the last second becomes zero</source>
        <translation>Messuhren nullen: Mittel der letzten Sekunde wird null</translation>
    </message>
    <message>
        <source>Zero gauges needs a connected VEK2000 with a reading (connect first)</source>
        <translation>Nullen braucht ein verbundenes VEK2000 mit Messwert</translation>
    </message>
    <message>
        <source>Clear the zero: show the gauges' raw readings again</source>
        <translation>Nullpunkt löschen: wieder die Rohwerte zeigen</translation>
    </message>
    <message>
        <source>Clear zero: no zero is in use</source>
        <translation>Nullpunkt löschen: kein Nullpunkt gesetzt</translation>
    </message>
    <message>
        <source>Show the table of readings with its plot</source>
        <translation>Messwerttabelle mit Diagramm zeigen</translation>
    </message>
    <message>
        <source>&amp;Laboratory tools</source>
        <translation>&amp;Laborwerkzeuge</translation>
    </message>
    <message>
        <source>Record readings to a table, zero the gauges, plot and fit</source>
        <translation>Messwerte tabellieren, Messuhren nullen, auftragen, auswerten</translation>
    </message>
    <message>
        <source>&amp;Zero gauges</source>
        <translation>Messuhren &amp;nullen</translation>
    </message>
    <message>
        <source>C&amp;lear zero</source>
        <translation>Nullpunkt &amp;löschen</translation>
    </message>
    <message>
        <source>Show &amp;table</source>
        <translation>&amp;Tabelle zeigen</translation>
    </message>
    <message>
        <source>&amp;New run</source>
        <translation>Neue &amp;Messreihe</translation>
    </message>
    <message>
        <source>The next row starts a new run, fitted on its own</source>
        <translation>Die nächste Zeile beginnt eine eigene Messreihe</translation>
    </message>
    <message>
        <source>(zeroed)</source>
        <translation>(genullt)</translation>
    </message>
    <message>
        <source>The measured values are the readings minus the zero taken</source>
        <translation>Messwerte sind die Anzeigen minus dem Nullpunkt</translation>
    </message>
    <message>
        <source>Gauge %1 is in error: it keeps no zero and shows its raw reading.</source>
        <translation>Messuhr %1 meldet einen Fehler: Sie behält keinen Nullpunkt und zeigt ihren Rohwert.</translation>
    </message>
    <message>
        <source>Readings and diagrams</source>
        <translation>Messwerte und Diagramme</translation>
    </message>
</context>
</TS>