<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ClassCharts</name>
    <message>
        <source>No measured readings to compare</source>
        <translation>No hay lecturas medidas que comparar</translation>
    </message>
    <message>
        <source>Theory (mm)</source>
        <translation>Teoría (mm)</translation>
    </message>
    <message>
        <source>Measured (mm)</source>
        <translation>Medido (mm)</translation>
    </message>
    <message>
        <source>No run has a fit yet</source>
        <translation>Ninguna serie tiene aún ajuste</translation>
    </message>
    <message>
        <source>Material's E: %1</source>
        <translation>E del material: %1</translation>
    </message>
    <message>
        <source>Group, run</source>
        <translation>Grupo, serie</translation>
    </message>
    <message>
        <source>E_exp (GPa)</source>
        <translation>E_exp (GPa)</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 run), %5%6 % from %7 GPa</source>
        <translation>%1: E_exp medio %2 GPa, dispersión %3 GPa (%4 serie), %5%6 % respecto a %7 GPa</translation>
    </message>
    <message>
        <source>%1: mean E_exp %2 GPa, spread %3 GPa (%4 runs), %5%6 % from %7 GPa</source>
        <translation>%1: E_exp medio %2 GPa, dispersión %3 GPa (%4 series), %5%6 % respecto a %7 GPa</translation>
    </message>
    <message>
        <source>No run has a fit yet.</source>
        <translation>Ninguna serie tiene aún ajuste.</translation>
    </message>
    <message>
        <source>File / group</source>
        <translation>Archivo / grupo</translation>
    </message>
    <message>
        <source>Set-up, material</source>
        <translation>Montaje, material</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>No leído: %1</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Montaje</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Magnitud variada</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Serie</translation>
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
        <translation>Diferencia con E</translation>
    </message>
    <message>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
</context>
<context>
    <name>Diagrams</name>
    <message>
        <source>Shear force V</source>
        <translation>Esfuerzo cortante V</translation>
    </message>
    <message>
        <source>Bending moment M</source>
        <translation>Momento flector M</translation>
    </message>
    <message>
        <source>Slope θ</source>
        <translation>Giro θ</translation>
    </message>
    <message>
        <source>Deflection y</source>
        <translation>Flecha y</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load and is not supported. Put two knife-edges or an end clamp under it, then hang a weight or lay the UDL.</source>
        <translation>Nada que dibujar: la viga no está cargada ni apoyada. Ponga dos cuchillas o un empotramiento y después cuelgue una pesa o ponga la carga repartida.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam carries no load. Hang a weight or lay the UDL to see the reactions and the diagrams.</source>
        <translation>Nada que dibujar: la viga no está cargada. Cuelgue una pesa o ponga la carga repartida para ver las reacciones y los diagramas.</translation>
    </message>
    <message>
        <source>Nothing to draw: both knife-edges stand at the same place, so there is no span between them and the beam is not supported. Move one knife-edge.</source>
        <translation>Nada que dibujar: las dos cuchillas están en el mismo sitio, no hay luz entre ellas y la viga no está apoyada. Mueva una cuchilla.</translation>
    </message>
    <message>
        <source>Nothing to draw: the beam is not adequately supported. It needs two knife-edges or at least one end clamp before it can carry the loads.</source>
        <translation>Nada que dibujar: la viga no está bien apoyada. Necesita dos cuchillas o al menos un empotramiento para soportar las cargas.</translation>
    </message>
    <message>
        <source>Lift-off: knife-edge %1 at %2 would have to pull the beam down (%3 N); a knife-edge can only push, so the beam lifts off it and these results do not hold.</source>
        <translation>Despegue: la cuchilla %1 en %2 tendría que tirar de la viga hacia abajo (%3 N); una cuchilla solo empuja, la viga se levanta y estos resultados no valen.</translation>
    </message>
    <message>
        <source>Large deflection: %1 mm at %2, beyond 1/20 of the beam's length (%3 mm); small-deflection theory no longer holds.</source>
        <translation>Flecha grande: %1 mm en %2, más de 1/20 de la longitud de la viga (%3 mm); la teoría de pequeñas deformaciones ya no vale.</translation>
    </message>
    <message>
        <source>Yield: a bending stress of %1 MPa at %2 passes the material's typical yield strength of %3 MPa; the beam would bend permanently.</source>
        <translation>Fluencia: una tensión de flexión de %1 MPa en %2 supera el límite elástico típico del material, %3 MPa; la viga quedaría deformada.</translation>
    </message>
</context>
<context>
    <name>LabFileTexts</name>
    <message>
        <source>The experiment has changes that are not saved (readings or layout).

Save them first?</source>
        <translation>El ensayo tiene cambios sin guardar (lecturas o montaje).

¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>An experiment opens in virtual mode. Disconnect from the VEK2000 and open the experiment?</source>
        <translation>Un ensayo se abre en modo virtual. ¿Desconectar el VEK2000 y abrir el ensayo?</translation>
    </message>
    <message>
        <source>The experiment "%1" could not be opened: %2.

Nothing in the window has changed.</source>
        <translation>No se pudo abrir el ensayo «%1»: %2.

Nada ha cambiado en la ventana.</translation>
    </message>
    <message>
        <source>The experiment could not be saved to "%1": %2.

A file that was there before is unchanged.</source>
        <translation>No se pudo guardar el ensayo en «%1»: %2.

El archivo que ya existía no ha cambiado.</translation>
    </message>
    <message>
        <source>The table could not be exported to "%1": %2.</source>
        <translation>No se pudo exportar la tabla a «%1»: %2.</translation>
    </message>
    <message>
        <source>The report could not be written to "%1": %2.</source>
        <translation>No se pudo escribir el informe en «%1»: %2.</translation>
    </message>
    <message>
        <source>The crash journal could not be written (%1). Readings are still recorded, but save the experiment often: a crash could lose them.</source>
        <translation>No se pudo escribir el diario de recuperación (%1). Las lecturas se siguen registrando, pero guarde el ensayo a menudo: un fallo podría perderlas.</translation>
    </message>
    <message>
        <source>The UDL was taken off the beam: the apparatus has no distributed load. Supports, weights and the gauge are kept.</source>
        <translation>Se quitó la carga repartida: el equipo no la tiene. Se conservan apoyos, pesas y comparador.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Copy of hand-out %1</source>
        <translation>Copia de la plantilla %1</translation>
    </message>
    <message>
        <source>Beam experiments (*.ferx)</source>
        <translation>Ensayos de vigas (*.ferx)</translation>
    </message>
    <message>
        <source>CSV, comma or semicolon separated (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>CSV, separado por comas o puntos y coma (*.csv);;Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LabSessionTexts</name>
    <message>
        <source>The experiment window was not closed normally last time. Restore its layout and its %1 recorded reading(s)?

No discards them.</source>
        <translation>La ventana del ensayo no se cerró con normalidad la última vez. ¿Restaurar su montaje y sus %1 lectura(s) registrada(s)?

No las descarta.</translation>
    </message>
    <message>
        <source>

These cannot be restored: %1.</source>
        <translation>

No se puede restaurar: %1.</translation>
    </message>
    <message>
        <source>the layout, which could not be rebuilt (%1); the readings come back on an empty beam, and the next save asks for a file name</source>
        <translation>el montaje, que no se pudo reconstruir (%1); las lecturas vuelven sobre una viga vacía, y el próximo guardado pedirá un nombre de archivo</translation>
    </message>
    <message>
        <source>Row %1 recorded: %2 mm (gauge %3)</source>
        <translation>Fila %1 registrada: %2 mm (comparador %3)</translation>
    </message>
    <message>
        <source>Row %1 recorded: theory %2 mm at the gauge (virtual mode)</source>
        <translation>Fila %1 registrada: teoría %2 mm en el comparador (modo virtual)</translation>
    </message>
    <message>
        <source>; %1 begins: %2</source>
        <translation>; empieza %1: %2</translation>
    </message>
    <message>
        <source>; not fitted: %1</source>
        <translation>; sin ajuste: %1</translation>
    </message>
    <message>
        <source>%1 reading(s) that could not be read</source>
        <translation>%1 lectura(s) ilegible(s)</translation>
    </message>
</context>
<context>
    <name>LabTexts</name>
    <message>
        <source>The table is full (%1 readings). Save the experiment, then start a new one with "&amp;New".</source>
        <translation>La tabla está llena (%1 lecturas). Guarde el ensayo y empiece otro con «&amp;Nuevo».</translation>
    </message>
    <message>
        <source>The next row starts %1.</source>
        <translation>Con la siguiente fila empieza %1.</translation>
    </message>
    <message>
        <source>No reading recorded: switch on Virtual Experiments or connect to the VEK2000 first.</source>
        <translation>No se registró ninguna lectura: active antes los ensayos virtuales o conecte el VEK2000.</translation>
    </message>
    <message>
        <source>No reading recorded: the link to the VEK2000 is unstable. Wait for the green lamp, then record again.</source>
        <translation>No se registró ninguna lectura: el enlace con el VEK2000 es inestable. Espere a la luz verde y registre de nuevo.</translation>
    </message>
    <message>
        <source>No reading recorded: no readings are arriving from the VEK2000 (Comms link OFF). Wait for the green lamp, then record again.</source>
        <translation>No se registró ninguna lectura: no llegan lecturas del VEK2000 (enlace APAGADO). Espere a la luz verde y registre de nuevo.</translation>
    </message>
    <message>
        <source>No reading recorded: the VEK2000 has sent no readings in the last second.</source>
        <translation>No se registró ninguna lectura: el VEK2000 no envió lecturas en el último segundo.</translation>
    </message>
    <message>
        <source>No zero taken: both gauges are in error, or no readings arrived in the last second.</source>
        <translation>No se tomó el cero: los dos comparadores están en error, o no llegaron lecturas en el último segundo.</translation>
    </message>
    <message>
        <source>The readings window could not be opened: %1</source>
        <translation>No se pudo abrir la ventana de lecturas: %1</translation>
    </message>
</context>
<context>
    <name>ReadingsFit</name>
    <message>
        <source>No fit: the measured values are all zero (is the gauge touching the beam?)</source>
        <translation>Sin ajuste: todas las medidas son cero (¿toca el comparador la viga?)</translation>
    </message>
    <message>
        <source>No fit: measured and theory have opposite signs (k = %1)</source>
        <translation>Sin ajuste: medida y teoría tienen signos opuestos (k = %1)</translation>
    </message>
    <message>
        <source>No readings in this run</source>
        <translation>No hay lecturas en esta serie</translation>
    </message>
    <message>
        <source>No fit: the property varied is not a number</source>
        <translation>Sin ajuste: la magnitud variada no es un número</translation>
    </message>
    <message>
        <source>No fit yet: it needs at least two readings with a measured value and a non-zero theory (%1 so far)</source>
        <translation>Aún sin ajuste: hacen falta al menos dos lecturas con valor medido y teoría no nula (%1 por ahora)</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aún no hay lecturas</translation>
    </message>
    <message>
        <source>No fit: the section or material changed during the series</source>
        <translation>Sin ajuste: la sección o el material cambió durante la serie</translation>
    </message>
    <message>
        <source>k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa (material %7 GPa, %8%9 %)</source>
        <translation>k = %1 ± %2, R² = %3, n = %4; E_exp = E / k = %5 ± %6 GPa (material %7 GPa, %8%9 %)</translation>
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
        <translation>Eje neutro, Y:	       </translation>
    </message>
    <message>
        <source>2nd moment of area: </source>
        <translation>Momento de inercia: </translation>
    </message>
    <message>
        <source>Area of section:       </source>
        <translation>Área de la sección:    </translation>
    </message>
    <message>
        <source>Other material: </source>
        <translation>Otro material: </translation>
    </message>
    <message>
        <source>Flat section</source>
        <translation>Pletina</translation>
    </message>
    <message>
        <source>Upright section</source>
        <translation>Pletina de canto</translation>
    </message>
    <message>
        <source>Inverted T section</source>
        <translation>Perfil en T invertida</translation>
    </message>
    <message>
        <source>H section</source>
        <translation>Perfil en H</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>Perfil en I</translation>
    </message>
    <message>
        <source>U section</source>
        <translation>Perfil en U</translation>
    </message>
    <message>
        <source>Box section</source>
        <translation>Perfil cajón</translation>
    </message>
    <message>
        <source>Circular section</source>
        <translation>Tubo redondo</translation>
    </message>
    <message>
        <source>Aluminium:   69 GPa</source>
        <translation>Aluminio:     69 GPa</translation>
    </message>
    <message>
        <source>Steel:          207 GPa</source>
        <translation>Acero:          207 GPa</translation>
    </message>
    <message>
        <source>Brass:         105 GPa</source>
        <translation>Latón:          105 GPa</translation>
    </message>
    <message>
        <source>Other material (GPa):</source>
        <translation>Otro material (GPa):</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Steel</source>
        <translation>Acero</translation>
    </message>
    <message>
        <source>Brass</source>
        <translation>Latón</translation>
    </message>
    <message>
        <source>Other material</source>
        <translation>Otro material</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application already running</source>
        <translation>La aplicación ya está en marcha</translation>
    </message>
    <message>
        <source>An Instance of this application is already running.</source>
        <translation>Ya hay una instancia de esta aplicación en marcha.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About the Korvex Ferrant Product Range</source>
        <translation>Acerca de la gama Korvex Ferrant</translation>
    </message>
</context>
<context>
    <name>TComSelectFormKV</name>
    <message>
        <source>USB Device Connected</source>
        <translation>Dispositivo USB conectado</translation>
    </message>
    <message>
        <source>USB Device Not Connected</source>
        <translation>Dispositivo USB no conectado</translation>
    </message>
    <message>
        <source>Communications Options</source>
        <translation>Opciones de comunicación</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Only connect via USB</source>
        <translation>Conectar solo por USB</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select the serial port to be used.</source>
        <translation>Elija el puerto serie.</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>No hay puerto serie</translation>
    </message>
    <message>
        <source>USB must be used.</source>
        <translation>Use el USB.</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Add &amp;files...</source>
        <translation>Añadir &amp;archivos...</translation>
    </message>
    <message>
        <source>Add f&amp;older...</source>
        <translation>Añadir &amp;carpeta...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>&amp;Exportar tabla...</translation>
    </message>
    <message>
        <source>Class &amp;summary as PDF...</source>
        <translation>&amp;Resumen de la clase en PDF...</translation>
    </message>
    <message>
        <source>Add experiment files to the comparison</source>
        <translation>Añadir archivos de ensayo a la comparación</translation>
    </message>
    <message>
        <source>Add every experiment file of a folder (a class's shared folder)</source>
        <translation>Añadir todos los ensayos de una carpeta (la de la clase)</translation>
    </message>
    <message>
        <source>Write the table as CSV or as an Excel workbook</source>
        <translation>Escribir la tabla en CSV o en un libro de Excel</translation>
    </message>
    <message>
        <source>Write the table, both charts and the class's mean and spread as a PDF</source>
        <translation>Tabla, ambas gráficas, media y dispersión de la clase en PDF</translation>
    </message>
    <message>
        <source>Runs of every experiment</source>
        <translation>Series de todos los ensayos</translation>
    </message>
    <message>
        <source>Measured against theory, one colour per file</source>
        <translation>Medido frente a teoría, un color por archivo</translation>
    </message>
    <message>
        <source>E_exp of each run against the material's E</source>
        <translation>E_exp de cada serie y E del material</translation>
    </message>
    <message>
        <source>Add a class's experiment files, or the folder that holds them.</source>
        <translation>Añada los archivos de ensayo de una clase, o la carpeta que los contiene.</translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 no se leyó: %2</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Exportar los resultados de la clase</translation>
    </message>
    <message>
        <source>The class results could not be written to %1: %2.</source>
        <translation>No se pudieron escribir los resultados de la clase en %1: %2.</translation>
    </message>
    <message>
        <source>Class summary as PDF</source>
        <translation>Resumen de la clase en PDF</translation>
    </message>
    <message>
        <source>Class summary: deflection of beams</source>
        <translation>Resumen de la clase: flecha de vigas</translation>
    </message>
    <message>
        <source>The class summary could not be written to %1: %2.</source>
        <translation>No se pudo escribir el resumen en %1: %2.</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Comparar ensayos</translation>
    </message>
</context>
<context>
    <name>TDeflectionView</name>
    <message>
        <source>Theoretical Deflection y (mm)</source>
        <translation>Flecha teórica y (mm)</translation>
    </message>
    <message>
        <source>Theoretical deflection on gauge: </source>
        <translation>Flecha teórica en el reloj: </translation>
    </message>
    <message>
        <source>Max -ve deflection:</source>
        <translation>Flecha máx. (-):</translation>
    </message>
    <message>
        <source>Max +ve deflection:</source>
        <translation>Flecha máx. (+):</translation>
    </message>
</context>
<context>
    <name>TDiagramsForm</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagramas</translation>
    </message>
    <message>
        <source>Worked solution</source>
        <translation>Solución detallada</translation>
    </message>
    <message>
        <source>&amp;Export diagrams as PNG / PDF...</source>
        <translation>&amp;Exportar diagramas a PNG / PDF...</translation>
    </message>
    <message>
        <source>Save the diagrams as a picture (PNG), or with the worked solution as a PDF</source>
        <translation>Guardar los diagramas como imagen (PNG), o con la solución en PDF</translation>
    </message>
    <message>
        <source>Export diagrams</source>
        <translation>Exportar diagramas</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;PDF with the worked solution (*.pdf)</source>
        <translation>Imagen PNG (*.png);;PDF con la solución (*.pdf)</translation>
    </message>
    <message>
        <source>The diagrams could not be saved: %1.</source>
        <translation>No se pudieron guardar los diagramas: %1.</translation>
    </message>
</context>
<context>
    <name>TEquipmentSelectionForm</name>
    <message>
        <source>Click a button to select an experimental module</source>
        <translation>Haga clic en un botón para elegir un módulo de ensayo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please install Microsoft Internet Explorer 5.0 or later</source>
        <translation>Instale Microsoft Internet Explorer 5.0 o posterior</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' no es un número entero válido</translation>
    </message>
    <message>
        <source>It is recommended that you increase the system color setting to at least 16 bit</source>
        <translation>Se recomienda aumentar la profundidad de color del sistema a 16 bits como mínimo</translation>
    </message>
    <message>
        <source>Lower color settings will result in some graphics not being displayed correctly.</source>
        <translation>Con menos colores, algunos gráficos no se mostrarán correctamente.</translation>
    </message>
</context>
<context>
    <name>TReadingsModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Theory
(mm, down -)</source>
        <translation>Teoría
(mm, abajo -)</translation>
    </message>
    <message>
        <source>Measured
(mm)</source>
        <translation>Medido
(mm)</translation>
    </message>
    <message>
        <source>Meas. - theory
(mm)</source>
        <translation>Med. - teoría
(mm)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Diferencia (%)</translation>
    </message>
    <message>
        <source>Gauge compared</source>
        <translation>Comparador leído</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Property varied</source>
        <translation>Magnitud variada</translation>
    </message>
    <message>
        <source>Gauge at (mm)</source>
        <translation>Comparador en (mm)</translation>
    </message>
    <message>
        <source>Gauge 1 (mm)</source>
        <translation>Comparador 1 (mm)</translation>
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
        <translation>Cero 1 (mm)</translation>
    </message>
    <message>
        <source>Gauge 2 (mm)</source>
        <translation>Comparador 2 (mm)</translation>
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
        <translation>Cero 2 (mm)</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Not fitted: %1</source>
        <translation>Sin ajuste: %1</translation>
    </message>
    <message>
        <source>Theoretical deflection at the gauge; downward is negative</source>
        <translation>Flecha teórica en el comparador; hacia abajo, negativa</translation>
    </message>
    <message>
        <source>Gauge %1</source>
        <translation>Comparador %1</translation>
    </message>
    <message>
        <source>%1, %2 GPa</source>
        <translation>%1, %2 GPa</translation>
    </message>
    <message>
        <source>not fitted: %1</source>
        <translation>sin ajuste: %1</translation>
    </message>
</context>
<context>
    <name>TReadingsWindow</name>
    <message>
        <source>Measured against theory, each run fitted on its own</source>
        <translation>Medido frente a teoría, cada serie ajustada por separado</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aún no hay lecturas</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 frente a %2</translation>
    </message>
    <message>
        <source>(measured, mm)</source>
        <translation>(medido, mm)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>diferencia</translation>
    </message>
    <message>
        <source>&amp;Delete selected rows</source>
        <translation>&amp;Borrar filas seleccionadas</translation>
    </message>
    <message>
        <source>C&amp;lear all</source>
        <translation>Borrar &amp;todo</translation>
    </message>
    <message>
        <source>reading %1 (%2)</source>
        <translation>la lectura %1 (%2)</translation>
    </message>
    <message>
        <source>the %1 readings %2</source>
        <translation>las %1 lecturas %2</translation>
    </message>
    <message>
        <source>Delete %1 from the table?</source>
        <translation>¿Borrar %1 de la tabla?</translation>
    </message>
    <message>
        <source>Clear all %1 readings from the table?</source>
        <translation>¿Borrar las %1 lecturas de la tabla?</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
</context>
<context>
    <name>TSectionsPanel</name>
    <message>
        <source> Display:</source>
        <translation> Mostrar:</translation>
    </message>
    <message>
        <source>Beam Tools</source>
        <translation>Útiles</translation>
    </message>
    <message>
        <source>Section Properties</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Switch between section attributes displayed</source>
        <translation>Cambiar los valores de sección mostrados</translation>
    </message>
    <message>
        <source>Pull down list to select a beam cross-section</source>
        <translation>Despliegue la lista para elegir una sección de viga</translation>
    </message>
    <message>
        <source>(All dimensions are in mm)</source>
        <translation>(Cotas en mm)</translation>
    </message>
    <message>
        <source> Theoretical values:</source>
        <translation> Valores teóricos:</translation>
    </message>
    <message>
        <source>Click to switch units</source>
        <translation>Haga clic para cambiar de unidades</translation>
    </message>
    <message>
        <source>Young's modulus:</source>
        <translation>Módulo de Young:</translation>
    </message>
    <message>
        <source>Pull down list to select the material's Young's modulus</source>
        <translation>Despliegue la lista para elegir el módulo de Young del material</translation>
    </message>
    <message>
        <source>Other (GPa):</source>
        <translation>Otro (GPa):</translation>
    </message>
    <message>
        <source>Enter Young's modulus (Range: 1 - 500 GPa)</source>
        <translation>Introduzca el módulo de Young (de 1 a 500 GPa)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click to confirm value of Young's modulus</source>
        <translation>Haga clic para confirmar el módulo de Young</translation>
    </message>
</context>
<context>
    <name>TVEK4Form</name>
    <message>
        <source>Connect VEK2000 / Select Virtual Experiments</source>
        <translation>Conecte el VEK2000 / Elija ensayos virtuales</translation>
    </message>
    <message>
        <source>Use tool box tools to add supports and weights to beam</source>
        <translation>Use la caja de útiles para poner apoyos y pesas en la viga</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New layout</source>
        <translation>Nuevo montaje</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ensayo</translation>
    </message>
    <message>
        <source>&amp;Connect to VEK2000</source>
        <translation>&amp;Conectar al VEK2000</translation>
    </message>
    <message>
        <source>&amp;Disconnect from VEK2000</source>
        <translation>&amp;Desconectar del VEK2000</translation>
    </message>
    <message>
        <source>&amp;Virtual Experiments</source>
        <translation>Ensayos &amp;virtuales</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Set Communications Options</source>
        <translation>Opciones de &amp;comunicación</translation>
    </message>
    <message>
        <source>&amp;Record data to table</source>
        <translation>&amp;Registrar datos en la tabla</translation>
    </message>
    <message>
        <source>Record data to table</source>
        <translation>Registrar datos en la tabla</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Ferrant Range...</source>
        <translation>&amp;Acerca de la gama Ferrant...</translation>
    </message>
    <message>
        <source>&amp;Version Information</source>
        <translation>&amp;Información de versión</translation>
    </message>
    <message>
        <source>Connect to VEK2000 unit</source>
        <translation>Conectar al VEK2000</translation>
    </message>
    <message>
        <source>Disconnect from VEK2000</source>
        <translation>Desconectar del VEK2000</translation>
    </message>
    <message>
        <source>Virtual Experiments</source>
        <translation>Ensayos virtuales</translation>
    </message>
    <message>
        <source>Variable hanger position</source>
        <translation>Posición de carga variable</translation>
    </message>
    <message>
        <source>Variable hanger load</source>
        <translation>Carga variable</translation>
    </message>
    <message>
        <source>Variable beam span</source>
        <translation>Luz variable</translation>
    </message>
    <message>
        <source>Variable UDL value</source>
        <translation>Carga repartida variable</translation>
    </message>
    <message>
        <source>Variable UDL length</source>
        <translation>Longitud de carga variable</translation>
    </message>
    <message>
        <source>Variable gauge position</source>
        <translation>Posición del reloj variable</translation>
    </message>
    <message>
        <source>Variable section</source>
        <translation>Sección variable</translation>
    </message>
    <message>
        <source>Variable material</source>
        <translation>Material variable</translation>
    </message>
    <message>
        <source>Circular Bending, variable load</source>
        <translation>Flexión pura, carga variable</translation>
    </message>
    <message>
        <source>Arbitrary combination</source>
        <translation>Combinación libre</translation>
    </message>
    <message>
        <source>Select property being varied...</source>
        <translation>Magnitud que varía...</translation>
    </message>
    <message>
        <source>Comms link OFF</source>
        <translation>Enlace APAGADO</translation>
    </message>
    <message>
        <source>Actual deflection on gauge:</source>
        <translation>Flecha medida:</translation>
    </message>
    <message>
        <source>Deflection 1</source>
        <translation>Flecha 1</translation>
    </message>
    <message>
        <source>Deflection 2</source>
        <translation>Flecha 2</translation>
    </message>
    <message>
        <source>Select input channel to display</source>
        <translation>Elija el canal de entrada que se muestra</translation>
    </message>
    <message>
        <source>Tool Box: </source>
        <translation>Caja de útiles: </translation>
    </message>
    <message>
        <source>Drag clamps to either end of beam</source>
        <translation>Arrastre los empotramientos a los extremos de la viga</translation>
    </message>
    <message>
        <source>Drag supports (max. 2) under beam</source>
        <translation>Arrastre los apoyos (máx. 2) bajo la viga</translation>
    </message>
    <message>
        <source>Remove weights from beam by dragging to bin</source>
        <translation>Arrastre las pesas a la papelera para quitarlas</translation>
    </message>
    <message>
        <source>Uniformly Distributed Load (N/m)</source>
        <translation>Carga repartida (N/m)</translation>
    </message>
    <message>
        <source>Select Uniformly Distributed Load (1 - 50 N/m)</source>
        <translation>Elija la carga repartida (1 - 50 N/m)</translation>
    </message>
    <message>
        <source>Drag displayed weight (grams) onto beam</source>
        <translation>Arrastre la pesa mostrada (gramos) a la viga</translation>
    </message>
    <message>
        <source>Select weight (Range: 10 - 500 grams)</source>
        <translation>Elija la pesa (de 10 a 500 gramos)</translation>
    </message>
    <message>
        <source>(grams)</source>
        <translation>(gramos)</translation>
    </message>
    <message>
        <source>Drag %1 grams onto beam</source>
        <translation>Arrastre %1 gramos a la viga</translation>
    </message>
    <message>
        <source>USB Device Connected</source>
        <translation>USB conectado</translation>
    </message>
    <message>
        <source>%1 grams</source>
        <translation>%1 gramos</translation>
    </message>
    <message>
        <source>Uniformly distributed load of </source>
        <translation>Carga repartida de </translation>
    </message>
    <message>
        <source>Click to put a Uniformly Distributed Load on the beam</source>
        <translation>Haga clic para poner una carga repartida en la viga</translation>
    </message>
    <message>
        <source>Communicating via USB</source>
        <translation>Enlace por USB</translation>
    </message>
    <message>
        <source>COM %1: Connected</source>
        <translation>COM %1: conectado</translation>
    </message>
    <message>
        <source>Comms link unstable</source>
        <translation>Enlace inestable</translation>
    </message>
    <message>
        <source>USB Device Disconnected</source>
        <translation>USB desconectado</translation>
    </message>
    <message>
        <source>&amp;Desktop language</source>
        <translation>Idioma del &amp;escritorio</translation>
    </message>
    <message>
        <source>The whole program larger, with bolder lines, for a projector</source>
        <translation>Todo el programa más grande y con trazos gruesos, para un proyector</translation>
    </message>
    <message>
        <source>The large display shows the whole program larger from its next start.</source>
        <translation>La pantalla grande amplía el programa a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The program returns to its normal size from its next start.</source>
        <translation>El programa recupera su tamaño normal en el próximo inicio.</translation>
    </message>
    <message>
        <source>Start the program again now?</source>
        <translation>¿Reiniciar el programa ahora?</translation>
    </message>
    <message>
        <source>The program speaks the language chosen from its next start.</source>
        <translation>El programa usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Support Position</source>
        <translation>Posición apoyo</translation>
    </message>
    <message>
        <source>Gauge Position</source>
        <translation>Posición reloj</translation>
    </message>
    <message>
        <source>UDL length</source>
        <translation>Longitud carga</translation>
    </message>
    <message>
        <source>Load Position</source>
        <translation>Posición carga</translation>
    </message>
    <message>
        <source>Right click to change length of UDL</source>
        <translation>Clic derecho para cambiar la longitud de la carga repartida</translation>
    </message>
    <message>
        <source>Drag the dial gauge along the beam</source>
        <translation>Arrastre el reloj comparador a lo largo de la viga</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Large &amp;display</source>
        <translation>Pantalla &amp;grande</translation>
    </message>
    <message>
        <source>Experiment details</source>
        <translation>Detalles del ensayo</translation>
    </message>
    <message>
        <source>Students' &amp;names:</source>
        <translation>&amp;Nombres de los alumnos:</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;Bench:</source>
        <translation>&amp;Puesto:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>Compare experiments</source>
        <translation>Comparar ensayos</translation>
    </message>
    <message>
        <source>A folder of experiment files</source>
        <translation>Una carpeta de archivos de ensayo</translation>
    </message>
    <message>
        <source>Show the reactions and the beam's diagrams with a worked solution</source>
        <translation>Reacciones y diagramas de la viga, con la solución</translation>
    </message>
    <message>
        <source>Show &amp;diagrams</source>
        <translation>Mostrar los &amp;diagramas</translation>
    </message>
    <message>
        <source>Laboratory report</source>
        <translation>Informe de laboratorio</translation>
    </message>
    <message>
        <source>Student's name for the report:</source>
        <translation>Nombre del alumno para el informe:</translation>
    </message>
    <message>
        <source>the XLSX writer could not be loaded (%1)</source>
        <translation>no se pudo cargar el escritor XLSX (%1)</translation>
    </message>
    <message>
        <source>Printing could not be loaded: %1</source>
        <translation>No se pudo cargar la impresión: %1</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the experiment: layout and readings</source>
        <translation>Guardar el ensayo: montaje y lecturas</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the experiment in a new file</source>
        <translation>Guardar el ensayo en un archivo nuevo</translation>
    </message>
    <message>
        <source>Save as &amp;hand-out...</source>
        <translation>Guardar como &amp;plantilla...</translation>
    </message>
    <message>
        <source>Save a hand-out: students who open it get an untitled copy</source>
        <translation>Plantilla para la clase: al abrirla se obtiene una copia</translation>
    </message>
    <message>
        <source>&amp;Export table...</source>
        <translation>&amp;Exportar tabla...</translation>
    </message>
    <message>
        <source>Export the readings to a CSV file or an Excel workbook</source>
        <translation>Exportar las lecturas a CSV o a un libro de Excel</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>&amp;Imprimir informe...</translation>
    </message>
    <message>
        <source>Print the laboratory report</source>
        <translation>Imprimir el informe de laboratorio</translation>
    </message>
    <message>
        <source>Export report as PD&amp;F...</source>
        <translation>Exportar informe a P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the laboratory report as a PDF document</source>
        <translation>Escribir el informe como documento PDF</translation>
    </message>
    <message>
        <source>Experiment &amp;details...</source>
        <translation>De&amp;talles del ensayo...</translation>
    </message>
    <message>
        <source>Names, group, bench, date and a note, saved with the experiment</source>
        <translation>Nombres, grupo, puesto, fecha y nota, guardados con el ensayo</translation>
    </message>
    <message>
        <source>&amp;Compare experiments...</source>
        <translation>Co&amp;mparar ensayos...</translation>
    </message>
    <message>
        <source>A class's experiment files side by side, with their fits</source>
        <translation>Los ensayos de una clase lado a lado, con sus ajustes</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a saved experiment</source>
        <translation>Abrir un ensayo guardado</translation>
    </message>
    <message>
        <source>Open experiment</source>
        <translation>Abrir ensayo</translation>
    </message>
    <message>
        <source>Save experiment as</source>
        <translation>Guardar ensayo como</translation>
    </message>
    <message>
        <source>Save as hand-out</source>
        <translation>Guardar como plantilla</translation>
    </message>
    <message>
        <source>no XLSX writer is available</source>
        <translation>no hay escritor XLSX disponible</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Exportar informe a PDF</translation>
    </message>
    <message>
        <source>Zero the gauges: their mean over the last second becomes zero</source>
        <translation>Cero de comparadores: media del último segundo</translation>
    </message>
    <message>
        <source>Zero gauges needs a connected VEK2000 with a reading (connect first)</source>
        <translation>El cero requiere un VEK2000 conectado que mida</translation>
    </message>
    <message>
        <source>Clear the zero: show the gauges' raw readings again</source>
        <translation>Quitar el cero: volver a las lecturas brutas</translation>
    </message>
    <message>
        <source>Clear zero: no zero is in use</source>
        <translation>Quitar el cero: no hay cero en uso</translation>
    </message>
    <message>
        <source>Show the table of readings with its plot</source>
        <translation>Mostrar la tabla de lecturas y su gráfica</translation>
    </message>
    <message>
        <source>&amp;Laboratory tools</source>
        <translation>&amp;Herramientas de laboratorio</translation>
    </message>
    <message>
        <source>Record readings to a table, zero the gauges, plot and fit</source>
        <translation>Tabla de lecturas, cero de comparadores, gráfica y ajuste</translation>
    </message>
    <message>
        <source>&amp;Zero gauges</source>
        <translation>Poner a &amp;cero los comparadores</translation>
    </message>
    <message>
        <source>C&amp;lear zero</source>
        <translation>&amp;Quitar el cero</translation>
    </message>
    <message>
        <source>Show &amp;table</source>
        <translation>Mostrar la &amp;tabla</translation>
    </message>
    <message>
        <source>&amp;New run</source>
        <translation>&amp;Nueva serie</translation>
    </message>
    <message>
        <source>The next row starts a new run, fitted on its own</source>
        <translation>La siguiente fila empieza una serie nueva</translation>
    </message>
    <message>
        <source>(zeroed)</source>
        <translation>(a cero)</translation>
    </message>
    <message>
        <source>The measured values are the readings minus the zero taken</source>
        <translation>Valores medidos = lecturas menos el cero tomado</translation>
    </message>
    <message>
        <source>Gauge %1 is in error: it keeps no zero and shows its raw reading.</source>
        <translation>El comparador %1 está en error: no guarda el cero y muestra su lectura bruta.</translation>
    </message>
    <message>
        <source>Readings and diagrams</source>
        <translation>Lecturas y diagramas</translation>
    </message>
</context>
</TS>