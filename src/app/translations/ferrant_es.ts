<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>