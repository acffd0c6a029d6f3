<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AtisScreen</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Grupos de canales ATIS utilizables</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Grupos de canales ATIS Killer utilizables</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>Grupo de canales EXP</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <source>ATIS </source>
        <translation>ATIS </translation>
    </message>
    <message>
        <source>ATIS Killer </source>
        <translation>ATIS Killer </translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Código ATIS</translation>
    </message>
    <message>
        <source>From MMSI</source>
        <translation>Desde MMSI</translation>
    </message>
    <message>
        <source>9 followed by the User MMSI of the DSC Setup</source>
        <translation>9 seguido del MMSI propio de la configuración DSC</translation>
    </message>
    <message>
        <source>Sets the ATIS code to %1</source>
        <translation>Pone el código ATIS en %1</translation>
    </message>
    <message>
        <source>There is no User MMSI on the DSC Setup</source>
        <translation>No hay MMSI propio en la configuración DSC</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Own MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>ChannelPanelScreen</name>
    <message>
        <source>CH Enable</source>
        <translation>Canal activo</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Indicación del canal</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Exactamente 2 caracteres.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Exactamente 1 carácter.</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Frecuencia de recepción</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Frecuencia de transmisión</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Transmisión permitida</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Solo baja potencia</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aumento de potencia</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia de recepción</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia de transmisión</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
</context>
<context>
    <name>ChannelTones</name>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>RX Tone</source>
        <translation>Tono RX</translation>
    </message>
    <message>
        <source>TX Tone</source>
        <translation>Tono TX</translation>
    </message>
    <message>
        <source> CTCSS</source>
        <translation> CTCSS</translation>
    </message>
    <message>
        <source> DCS</source>
        <translation> DCS</translation>
    </message>
    <message>
        <source>Comp</source>
        <translation>Comp</translation>
    </message>
</context>
<context>
    <name>CheckDialog</name>
    <message>
        <source>Check Settings</source>
        <translation>Comprobar ajustes</translation>
    </message>
    <message>
        <source>Before programming, the check found %1.</source>
        <translation>Antes de programar, la comprobación encontró %1.</translation>
    </message>
    <message>
        <source>The check found %1.</source>
        <translation>La comprobación encontró %1.</translation>
    </message>
    <message>
        <source>An error is a value the radio would hold otherwise than the editor shows it; a warning is probably not what is meant. Double-click a line to see its screen.</source>
        <translation>Un error es un valor que la radio guardaría de otro modo que como lo muestra el editor; un aviso probablemente no es lo que se pretende. Haga doble clic en una línea para ver su pantalla.</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programar de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 aviso</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errores</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>CommonScreen</name>
    <message>
        <source>Starting TX Mode</source>
        <translation>Modo de transmisión al encender</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Solo Lo Po</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Lo Po al cambiar de canal</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Última potencia TX</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Indicación de potencia TX</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Tiempo de reanudación</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>PTT termina la exploración</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Doble escucha</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Time Display</source>
        <translation>Indicación de la hora</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Canales meteorológicos</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Sí (meteo)</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Sí (exploración)</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>Meteo y exploración</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alerta meteorológica</translation>
    </message>
    <message>
        <source>Units of Measure</source>
        <translation>Unidades de medida</translation>
    </message>
    <message>
        <source>KTS</source>
        <translation>KTS</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>KMH</source>
        <translation>KMH</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Sm</source>
        <translation>Sm</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>Km</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>SOG</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with Radio</source>
        <translation>Comparar con la radio</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>A escribir</translation>
    </message>
    <message>
        <source>&amp;Program These Changes</source>
        <translation>&amp;Programar estos cambios</translation>
    </message>
    <message>
        <source>&amp;Use the Radio&apos;s Values</source>
        <translation>&amp;Usar los valores de la radio</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>&amp;Guardar como texto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Write only the blocks that hold these settings</source>
        <translation>Escribir solo los bloques que contienen estos ajustes</translation>
    </message>
    <message>
        <source>Take the radio&apos;s settings into the data (Edit &gt; Undo takes them back)</source>
        <translation>Tomar los ajustes de la radio en los datos (Editar &gt; Deshacer los retira)</translation>
    </message>
    <message>
        <source>The data cannot be programmed: %1</source>
        <translation>Los datos no se pueden programar: %1</translation>
    </message>
    <message>
        <source>The radio holds the settings of the data being edited.</source>
        <translation>La radio contiene los ajustes de los datos en edición.</translation>
    </message>
    <message>
        <source>1 setting of the radio differs from the data being edited.</source>
        <translation>1 ajuste de la radio difiere de los datos en edición.</translation>
    </message>
    <message>
        <source>%1 settings of the radio differ from the data being edited.</source>
        <translation>%1 ajustes de la radio difieren de los datos en edición.</translation>
    </message>
</context>
<context>
    <name>ConnectionDialog</name>
    <message>
        <source>Test Connection</source>
        <translation>Probar la conexión</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Connect the radio in PC CONTROL mode, then press Test.</source>
        <translation>Conecte la radio en modo PC CONTROL y pulse Probar.</translation>
    </message>
    <message>
        <source>Save Trace...</source>
        <translation>Guardar traza...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Puerto: %1</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Probando...</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Probar de nuevo</translation>
    </message>
    <message>
        <source>The radio answers: the connection works.</source>
        <translation>La radio responde: la conexión funciona.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Likely cause: %1
Fix: %2</source>
        <translation>Causa probable: %1
Solución: %2</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Program Changes to Radio</source>
        <translation>Programar los cambios en la radio</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Comparar con la radio</translation>
    </message>
    <message>
        <source>Clear MMSI Data</source>
        <translation>Borrar datos MMSI</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Borrar registro DSC</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Borrar registro de socorro</translation>
    </message>
    <message>
        <source>Clear Individual Directory</source>
        <translation>Borrar directorio individual</translation>
    </message>
    <message>
        <source>Clear Group Directory</source>
        <translation>Borrar directorio de grupos</translation>
    </message>
    <message>
        <source>Clear WayPoint Directory</source>
        <translation>Borrar directorio de waypoints</translation>
    </message>
    <message>
        <source>Clear DSC TX Log Data</source>
        <translation>Borrar registro de transmisión DSC</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Borrar todos los datos</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Comprobación del modelo</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar la conexión</translation>
    </message>
    <message>
        <source>Check Settings</source>
        <translation>Comprobar ajustes</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>¡¡Completado!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>¡¡Error de comunicación!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>¡¡La radio no está lista!!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>¡¡La radio está ocupada!!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>¡Error de código de producto!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>¡¡Error al leer el archivo INI!!</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>¡¡Modelo desconocido!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>¡¡Archivo no válido!!</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>Verify Error!!</source>
        <translation>¡¡Error de verificación!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Introduzca datos correctos.</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>confirme la sincronización de la comunicación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s status...</source>
        <translation>Comprobando el estado de la radio...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s model...</source>
        <translation>Comprobando el modelo de la radio...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s own MMSI...</source>
        <translation>Comprobando el MMSI propio de la radio...</translation>
    </message>
    <message>
        <source>Clearing the MMSI...</source>
        <translation>Borrando el MMSI...</translation>
    </message>
    <message>
        <source>Reading %1 of %2 KB</source>
        <translation>Leyendo %1 de %2 KB</translation>
    </message>
    <message>
        <source>Reading %1 of %2 KB, about %3 s left</source>
        <translation>Leyendo %1 de %2 KB, quedan unos %3 s</translation>
    </message>
    <message>
        <source>Programming %1 of %2 KB</source>
        <translation>Programando %1 de %2 KB</translation>
    </message>
    <message>
        <source>Programming %1 of %2 KB, about %3 s left</source>
        <translation>Programando %1 de %2 KB, quedan unos %3 s</translation>
    </message>
    <message>
        <source>Verifying %1 of %2 KB</source>
        <translation>Verificando %1 de %2 KB</translation>
    </message>
    <message>
        <source>Verifying %1 of %2 KB, about %3 s left</source>
        <translation>Verificando %1 de %2 KB, quedan unos %3 s</translation>
    </message>
    <message>
        <source>Clearing %1 of %2 KB</source>
        <translation>Borrando %1 de %2 KB</translation>
    </message>
    <message>
        <source>Clearing %1 of %2 KB, about %3 s left</source>
        <translation>Borrando %1 de %2 KB, quedan unos %3 s</translation>
    </message>
    <message>
        <source>No answer yet: attempt %1 of %2</source>
        <translation>Aún sin respuesta: intento %1 de %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Stopped after an error. Check the radio and press OK to try again.</source>
        <translation>Detenido tras un error. Compruebe la radio y pulse Aceptar para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>The radio did not answer on the serial port.</source>
        <translation>La radio no respondió en el puerto serie.</translation>
    </message>
    <message>
        <source>The radio did not answer on %1.</source>
        <translation>La radio no respondió en %1.</translation>
    </message>
    <message>
        <source>Check that:</source>
        <translation>Compruebe que:</translation>
    </message>
    <message>
        <source>- the cable is plugged into this port and into the radio;</source>
        <translation>- el cable está conectado a este puerto y a la radio;</translation>
    </message>
    <message>
        <source>- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on);</source>
        <translation>- la radio muestra PC CONTROL (mantenga pulsadas [DISTRESS] y [CALL] al encenderla);</translation>
    </message>
    <message>
        <source>- Options &gt; SerialPort names the port the cable is plugged into.</source>
        <translation>- Opciones &gt; Puerto serie indica el puerto al que está conectado el cable.</translation>
    </message>
    <message>
        <source>The radio answered with an error on the serial port.</source>
        <translation>La radio respondió con un error en el puerto serie.</translation>
    </message>
    <message>
        <source>The radio answered with an error on %1.</source>
        <translation>La radio respondió con un error en %1.</translation>
    </message>
    <message>
        <source>Turn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while turning it on), and try again.</source>
        <translation>Apague la radio y vuelva a encenderla en modo PC CONTROL (mantenga pulsadas [DISTRESS] y [CALL] al encenderla) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory; the blocks already written stay written. Program it again before use.</source>
        <translation>La memoria de la radio está ahora escrita solo en parte; los bloques ya escritos quedan escritos. Prográmela de nuevo antes de usarla.</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI may now be damaged. Clear it again.</source>
        <translation>El MMSI propio de la radio puede estar dañado. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s logs and directories may now be partly erased. Clear all data again.</source>
        <translation>Los registros y directorios de la radio pueden estar borrados solo en parte. Borre todos los datos de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s DSC log may now be partly erased. Clear it again.</source>
        <translation>El registro DSC de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s distress log may now be partly erased. Clear it again.</source>
        <translation>El registro de socorro de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s individual directory may now be partly erased. Clear it again.</source>
        <translation>El directorio individual de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s group directory may now be partly erased. Clear it again.</source>
        <translation>El directorio de grupos de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s WayPoint directory may now be partly erased. Clear it again.</source>
        <translation>El directorio de waypoints de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio&apos;s DSC TX log may now be partly erased. Clear it again.</source>
        <translation>El registro de transmisión DSC de la radio puede estar borrado solo en parte. Bórrelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio was programmed, but it could not be read back to verify it.</source>
        <translation>La radio se programó, pero no se pudo leer de nuevo para verificarla.</translation>
    </message>
    <message>
        <source>address 0x%1: written 0x%2, read 0x%3</source>
        <translation>dirección 0x%1: escrito 0x%2, leído 0x%3</translation>
    </message>
    <message>
        <source>Program the radio without it?</source>
        <translation>¿Programar la radio sin ella?</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1.</source>
        <translation>No se pudo guardar la copia de seguridad en %1.</translation>
    </message>
    <message>
        <source>Nothing to send: the radio already holds these settings.</source>
        <translation>Nada que enviar: la radio ya contiene estos ajustes.</translation>
    </message>
    <message>
        <source>Keep the Radio&apos;s Identity</source>
        <translation>Conservar la identidad de la radio</translation>
    </message>
    <message>
        <source>Write the New Identity</source>
        <translation>Escribir la nueva identidad</translation>
    </message>
    <message>
        <source>This radio&apos;s own MMSI is %1.</source>
        <translation>El MMSI propio de esta radio es %1.</translation>
    </message>
    <message>
        <source>This radio&apos;s ATIS code is %1.</source>
        <translation>El código ATIS de esta radio es %1.</translation>
    </message>
    <message>
        <source>The data would remove it.</source>
        <translation>Los datos lo eliminarían.</translation>
    </message>
    <message>
        <source>The data would change it to %1.</source>
        <translation>Los datos lo cambiarían a %1.</translation>
    </message>
    <message>
        <source>Most radios accept a new own MMSI only once.</source>
        <translation>La mayoría de las radios aceptan un MMSI propio nuevo solo una vez.</translation>
    </message>
    <message>
        <source>This radio has no own MMSI.</source>
        <translation>Esta radio no tiene MMSI propio.</translation>
    </message>
    <message>
        <source>The data would give it %1.</source>
        <translation>Los datos le darían %1.</translation>
    </message>
    <message>
        <source>This radio has no own MMSI: it receives %1.</source>
        <translation>Esta radio no tiene MMSI propio: recibe %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>The radio keeps its own MMSI and ATIS code.</source>
        <translation>La radio conserva su MMSI propio y su código ATIS.</translation>
    </message>
    <message>
        <source>The new own MMSI and ATIS code are written.</source>
        <translation>Se escriben el nuevo MMSI propio y el código ATIS.</translation>
    </message>
    <message>
        <source>An MMSI has 9 digits.</source>
        <translation>Un MMSI tiene 9 dígitos.</translation>
    </message>
    <message>
        <source>Enter a name and an MMSI for entry %1 before adding entry %2.</source>
        <translation>Introduzca un nombre y un MMSI para la entrada %1 antes de añadir la entrada %2.</translation>
    </message>
    <message>
        <source>The MMSI typed again differs from the one typed first.</source>
        <translation>El MMSI repetido difiere del introducido primero.</translation>
    </message>
    <message>
        <source>Nothing was stored: the User MMSI stays empty.</source>
        <translation>No se guardó nada: el MMSI propio sigue vacío.</translation>
    </message>
    <message>
        <source>Nothing was stored: the User MMSI stays %1.</source>
        <translation>No se guardó nada: el MMSI propio sigue siendo %1.</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Llamada a todos los barcos</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Llamada de grupo</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Llamada individual</translation>
    </message>
    <message>
        <source>Position Request Call</source>
        <translation>Petición de posición</translation>
    </message>
    <message>
        <source>Position Report Call</source>
        <translation>Informe de posición</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Socorro</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Urgencia</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Rutina</translation>
    </message>
    <message>
        <source>Saving %1.</source>
        <translation>Al guardar %1.</translation>
    </message>
    <message>
        <source>Saving %1:</source>
        <translation>Al guardar %1:</translation>
    </message>
    <message>
        <source>Importing %1.</source>
        <translation>Al importar %1.</translation>
    </message>
    <message>
        <source>Importing %1:</source>
        <translation>Al importar %1:</translation>
    </message>
    <message>
        <source>Opening %1.</source>
        <translation>Al abrir %1.</translation>
    </message>
    <message>
        <source>Opening %1:</source>
        <translation>Al abrir %1:</translation>
    </message>
    <message>
        <source>The check found nothing: the radio will hold the settings as shown.</source>
        <translation>La comprobación no encontró nada: la radio tendrá los ajustes tal como se muestran.</translation>
    </message>
    <message>
        <source>The file %1 is no longer there.</source>
        <translation>El archivo %1 ya no existe.</translation>
    </message>
    <message>
        <source>It has been taken off the Recent Files list.</source>
        <translation>Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>KMT data has changed.</source>
        <translation>Los datos de KMT han cambiado.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>¿Desea programar la serie %1?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>¿Desea cambiar a %1?</translation>
    </message>
    <message>
        <source>Backups are off: there is no per-user data folder.</source>
        <translation>Las copias de seguridad están desactivadas: no hay carpeta de datos del usuario.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be opened.</source>
        <translation>No se puede abrir la carpeta de copias de seguridad %1.</translation>
    </message>
    <message>
        <source>Copy its path to the clipboard?</source>
        <translation>¿Copiar su ruta al portapapeles?</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar la ayuda. Este proyecto no tiene ayuda asociada.</translation>
    </message>
    <message>
        <source>KV508 did not close properly. Restore the unsaved changes from %1?</source>
        <translation>KV508 no se cerró correctamente. ¿Restaurar los cambios sin guardar de %1?</translation>
    </message>
    <message>
        <source>There is no serial port COM%1 on this computer.</source>
        <translation>En este ordenador no hay puerto serie COM%1.</translation>
    </message>
    <message>
        <source>Choose another entry of Options &gt; SerialPort, or the simulated radio to try the program without one.</source>
        <translation>Elija otra entrada de Opciones &gt; Puerto serie, o la radio simulada para probar el programa sin radio.</translation>
    </message>
    <message>
        <source>An ATIS code has 10 digits.</source>
        <translation>Un código ATIS tiene 10 dígitos.</translation>
    </message>
    <message>
        <source>The frequency must be between 137 and 174 MHz on the 25 kHz raster.</source>
        <translation>La frecuencia debe estar entre 137 y 174 MHz en pasos de 25 kHz.</translation>
    </message>
    <message>
        <source>The User MMSI and its setting count in the radio will be erased.</source>
        <translation>Se borrarán el MMSI propio y su contador de ajustes en la radio.</translation>
    </message>
    <message>
        <source>The DSC log in the radio will be erased.</source>
        <translation>Se borrará el registro DSC de la radio.</translation>
    </message>
    <message>
        <source>The distress log in the radio will be erased.</source>
        <translation>Se borrará el registro de socorro de la radio.</translation>
    </message>
    <message>
        <source>The individual directory in the radio will be erased.</source>
        <translation>Se borrará el directorio individual de la radio.</translation>
    </message>
    <message>
        <source>The group directory in the radio will be erased.</source>
        <translation>Se borrará el directorio de grupos de la radio.</translation>
    </message>
    <message>
        <source>The waypoint directory in the radio will be erased.</source>
        <translation>Se borrará el directorio de waypoints de la radio.</translation>
    </message>
    <message>
        <source>The DSC TX log in the radio will be erased.</source>
        <translation>Se borrará el registro de transmisión DSC de la radio.</translation>
    </message>
    <message>
        <source>The DSC log, the distress log, the DSC TX log and the individual, group and waypoint directories in the radio will be erased.</source>
        <translation>Se borrarán el registro DSC, el de socorro, el de transmisión DSC y los directorios individual, de grupos y de waypoints de la radio.</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>¿Desea continuar?</translation>
    </message>
    <message>
        <source>Open the port</source>
        <translation>Abrir el puerto</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Establecimiento de conexión</translation>
    </message>
    <message>
        <source>Product check</source>
        <translation>Comprobación del producto</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>no realizado</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>el puerto no existe</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>OK, working speed %1 baud</source>
        <translation>OK, velocidad de trabajo %1 baudios</translation>
    </message>
    <message>
        <source>the port would not switch to the working speed</source>
        <translation>el puerto no cambió a la velocidad de trabajo</translation>
    </message>
    <message>
        <source>the radio answered with an error</source>
        <translation>la radio respondió con un error</translation>
    </message>
    <message>
        <source>an answer that is not the radio&apos;s</source>
        <translation>una respuesta que no es de la radio</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>OK, product code %1</source>
        <translation>OK, código de producto %1</translation>
    </message>
    <message>
        <source>product code %1</source>
        <translation>código de producto %1</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>No existe el puerto %1.</translation>
    </message>
    <message>
        <source>Plug the cable in and choose its port in Options &gt; SerialPort (kv508-cli ports lists the ports of this computer).</source>
        <translation>Conecte el cable y elija su puerto en Opciones &gt; Puerto serie (kv508-cli ports lista los puertos de este ordenador).</translation>
    </message>
    <message>
        <source>This user may not open %1.</source>
        <translation>Este usuario no puede abrir %1.</translation>
    </message>
    <message>
        <source>Add yourself to the %1 group: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>Añádase al grupo %1: sudo usermod -aG %2 $USER, luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Another program has %1 open.</source>
        <translation>Otro programa tiene %1 abierto.</translation>
    </message>
    <message>
        <source>Close the other program (a terminal program, other radio software). A modem manager may take a USB serial adapter for half a minute after it is plugged in: wait and test again, or stop it (sudo systemctl stop ModemManager).</source>
        <translation>Cierre el otro programa (un programa de terminal, otro software de radio). Un gestor de módems puede ocupar un adaptador USB-serie medio minuto tras conectarlo: espere y pruebe de nuevo, o deténgalo (sudo systemctl stop ModemManager).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>Choose another port in Options &gt; SerialPort, or plug the cable in again.</source>
        <translation>Elija otro puerto en Opciones &gt; Puerto serie, o vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>%1 refused the working speed: %2.</source>
        <translation>%1 rechazó la velocidad de trabajo: %2.</translation>
    </message>
    <message>
        <source>Try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Pruebe el enlace de baja velocidad (inicie kv508 con /E; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The radio refused the handshake.</source>
        <translation>La radio rechazó el establecimiento de conexión.</translation>
    </message>
    <message>
        <source>Turn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while turning it on), and test again.</source>
        <translation>Apague la radio y vuelva a encenderla en modo PC CONTROL (mantenga pulsadas [DISTRESS] y [CALL] al encenderla) y pruebe de nuevo.</translation>
    </message>
    <message>
        <source>Something answered on %1, but not as the radio does.</source>
        <translation>Algo respondió en %1, pero no como lo hace la radio.</translation>
    </message>
    <message>
        <source>Check that this port is the one the radio&apos;s cable is plugged into, and try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Compruebe que el cable de la radio está conectado a este puerto y pruebe el enlace de baja velocidad (inicie kv508 con /E; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>La prueba se canceló.</translation>
    </message>
    <message>
        <source>%1 went away: %2.</source>
        <translation>%1 desapareció: %2.</translation>
    </message>
    <message>
        <source>Plug the cable in again, then test again.</source>
        <translation>Vuelva a conectar el cable y pruebe de nuevo.</translation>
    </message>
    <message>
        <source>The radio stopped answering on %1.</source>
        <translation>La radio dejó de responder en %1.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged into this port and into the radio, and that the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on). Some cables only work at the low speed: try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Compruebe que el cable está conectado a este puerto y a la radio, y que la radio muestra PC CONTROL (mantenga pulsadas [DISTRESS] y [CALL] al encenderla). Algunos cables solo funcionan a baja velocidad: pruebe el enlace de baja velocidad (inicie kv508 con /E; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The model chosen, %1, is not one this program can program.</source>
        <translation>Este programa no puede programar el modelo elegido, %1.</translation>
    </message>
    <message>
        <source>Choose the radio&apos;s model in Edit &gt; Model (kv508-cli --model N).</source>
        <translation>Elija el modelo de la radio en Editar &gt; Modelo (kv508-cli --model N).</translation>
    </message>
    <message>
        <source>This radio is not one this program can program.</source>
        <translation>Este programa no puede programar esta radio.</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Estación costera</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <source>Handheld VHF</source>
        <translation>VHF portátil</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcación auxiliar de buque nodriza</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Ayuda a la navegación</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Dispositivo de hombre al agua</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Not a valid MMSI</source>
        <translation>MMSI no válido</translation>
    </message>
    <message>
        <source>a ship station</source>
        <translation>una estación de barco</translation>
    </message>
    <message>
        <source>a group MMSI</source>
        <translation>un MMSI de grupo</translation>
    </message>
    <message>
        <source>a coast station</source>
        <translation>una estación costera</translation>
    </message>
    <message>
        <source>a SAR aircraft</source>
        <translation>una aeronave SAR</translation>
    </message>
    <message>
        <source>a handheld VHF</source>
        <translation>un VHF portátil</translation>
    </message>
    <message>
        <source>a craft of a parent ship</source>
        <translation>una embarcación auxiliar de un buque nodriza</translation>
    </message>
    <message>
        <source>an aid to navigation</source>
        <translation>una ayuda a la navegación</translation>
    </message>
    <message>
        <source>an AIS-SART</source>
        <translation>un AIS-SART</translation>
    </message>
    <message>
        <source>a man-overboard device</source>
        <translation>un dispositivo de hombre al agua</translation>
    </message>
    <message>
        <source>an EPIRB-AIS</source>
        <translation>una EPIRB-AIS</translation>
    </message>
    <message>
        <source>not a valid MMSI</source>
        <translation>un MMSI no válido</translation>
    </message>
    <message>
        <source>Unknown country code %1</source>
        <translation>Código de país desconocido %1</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Not 10 digits</source>
        <translation>No tiene 10 dígitos</translation>
    </message>
    <message>
        <source>Not 9 + MID + 6 digits</source>
        <translation>No es 9 + MID + 6 dígitos</translation>
    </message>
    <message>
        <source>The own MMSI %1 is %2, not a ship or handheld station.</source>
        <translation>El MMSI propio %1 es %2, no una estación de barco ni portátil.</translation>
    </message>
    <message>
        <source>The own MMSI %1 is %2.</source>
        <translation>El MMSI propio %1 es %2.</translation>
    </message>
    <message>
        <source>Type the MMSI of this boat from its radio licence.</source>
        <translation>Escriba el MMSI de este barco según su licencia de radio.</translation>
    </message>
    <message>
        <source>MMSI %1 is %2, not a station.</source>
        <translation>El MMSI %1 es %2, no una estación.</translation>
    </message>
    <message>
        <source>Move it to the Group Directory, or correct the MMSI.</source>
        <translation>Muévalo al directorio de grupos o corrija el MMSI.</translation>
    </message>
    <message>
        <source>MMSI %1 is also Group ID %2.</source>
        <translation>El MMSI %1 es también la ID de grupo %2.</translation>
    </message>
    <message>
        <source>MMSI %1 is also Memory ID %2.</source>
        <translation>El MMSI %1 es también la ID de memoria %2.</translation>
    </message>
    <message>
        <source>Delete one of the two entries.</source>
        <translation>Borre una de las dos entradas.</translation>
    </message>
    <message>
        <source>MMSI %1 is %2.</source>
        <translation>El MMSI %1 es %2.</translation>
    </message>
    <message>
        <source>Correct the MMSI.</source>
        <translation>Corrija el MMSI.</translation>
    </message>
    <message>
        <source>Group MMSI %1 is %2.</source>
        <translation>El MMSI de grupo %1 es %2.</translation>
    </message>
    <message>
        <source>Correct the group MMSI.</source>
        <translation>Corrija el MMSI de grupo.</translation>
    </message>
    <message>
        <source>The own MMSI %1 has the unknown country code %2.</source>
        <translation>El MMSI propio %1 tiene el código de país desconocido %2.</translation>
    </message>
    <message>
        <source>Group MMSI %1 has the unknown country code %2.</source>
        <translation>El MMSI de grupo %1 tiene el código de país desconocido %2.</translation>
    </message>
    <message>
        <source>MMSI %1 has the unknown country code %2.</source>
        <translation>El MMSI %1 tiene el código de país desconocido %2.</translation>
    </message>
    <message>
        <source>ATIS code %1 has the unknown country code %2.</source>
        <translation>El código ATIS %1 tiene el código de país desconocido %2.</translation>
    </message>
    <message>
        <source>Check the MMSI, digit by digit.</source>
        <translation>Compruebe el MMSI cifra por cifra.</translation>
    </message>
    <message>
        <source>ATIS code %1 is not 9 + MID + 6 digits.</source>
        <translation>El código ATIS %1 no es 9 + MID + 6 dígitos.</translation>
    </message>
    <message>
        <source>Use 9 followed by the boat&apos;s MMSI, or the code of its ATIS licence.</source>
        <translation>Use 9 seguido del MMSI del barco, o el código de su licencia ATIS.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Memory IDs</source>
        <translation>Importar ID de memoria</translation>
    </message>
    <message>
        <source>Import Group IDs</source>
        <translation>Importar ID de grupo</translation>
    </message>
    <message>
        <source>Import EXP Channels</source>
        <translation>Importar canales EXP</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>Use the Radio&apos;s Values</source>
        <translation>Usar los valores de la radio</translation>
    </message>
    <message>
        <source>Restoring %1.</source>
        <translation>Al restaurar %1.</translation>
    </message>
    <message>
        <source>Restoring %1:</source>
        <translation>Al restaurar %1:</translation>
    </message>
    <message>
        <source>warning: %1: %2. %3.</source>
        <translation>aviso: %1: %2. %3.</translation>
    </message>
    <message>
        <source>error: %1: %2. %3.</source>
        <translation>error: %1: %2. %3.</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Configuración común</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Configuración DSC</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Configuración ATIS</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Grupos de canales utilizables</translation>
    </message>
    <message>
        <source>Receive frequency</source>
        <translation>Frecuencia de recepción</translation>
    </message>
    <message>
        <source>Transmit frequency</source>
        <translation>Frecuencia de transmisión</translation>
    </message>
    <message>
        <source>%1 has the priority channel %2, which is no channel of the group.</source>
        <translation>%1 tiene el canal prioritario %2, que no es un canal del grupo.</translation>
    </message>
    <message>
        <source>The priority channel CH%1 of %2 is not switched on in the group.</source>
        <translation>El canal prioritario CH%1 de %2 no está activado en el grupo.</translation>
    </message>
    <message>
        <source>%1 holds %2, which is none of its %3 choices.</source>
        <translation>%1 contiene %2, que no es ninguna de sus %3 opciones.</translation>
    </message>
    <message>
        <source>DSC is switched on for %1, but there is no own MMSI.</source>
        <translation>DSC está activado para %1, pero no hay MMSI propio.</translation>
    </message>
    <message>
        <source>ATIS is switched on for %1, but there is no ATIS code.</source>
        <translation>ATIS está activado para %1, pero no hay código ATIS.</translation>
    </message>
    <message>
        <source>MMSI %1 has no name.</source>
        <translation>El MMSI %1 no tiene nombre.</translation>
    </message>
    <message>
        <source>%1 %2 MHz is outside 137-174 MHz, which the radio cannot tune.</source>
        <translation>%1 %2 MHz está fuera de 137-174 MHz, la radio no puede sintonizarla.</translation>
    </message>
    <message>
        <source>%1 %2 MHz is off the 25 kHz raster, which the radio cannot tune.</source>
        <translation>%1 %2 MHz no está en la trama de 25 kHz, la radio no puede sintonizarla.</translation>
    </message>
    <message>
        <source>%1 is that of channel %2, kept for distress and DSC.</source>
        <translation>%1 es la del canal %2, reservado para socorro y DSC.</translation>
    </message>
    <message>
        <source>%1 %2 becomes %3 in the radio.</source>
        <translation>%1 %2 pasa a ser %3 en la radio.</translation>
    </message>
    <message>
        <source>%1 = %2 does not fit the radio: Program to Radio and convert refuse the data.</source>
        <translation>%1 = %2 no cabe en la radio: Programar la radio y convertir rechazan los datos.</translation>
    </message>
    <message>
        <source>Choose a priority channel of %1.</source>
        <translation>Elija un canal prioritario de %1.</translation>
    </message>
    <message>
        <source>Switch channel %1 on, or choose another priority channel.</source>
        <translation>Active el canal %1 o elija otro canal prioritario.</translation>
    </message>
    <message>
        <source>Choose one of the %1 choices.</source>
        <translation>Elija una de las opciones de %1.</translation>
    </message>
    <message>
        <source>Type the boat&apos;s MMSI in User MMSI.</source>
        <translation>Escriba el MMSI del barco en MMSI propio.</translation>
    </message>
    <message>
        <source>Type the ATIS code, or take it from the own MMSI.</source>
        <translation>Escriba el código ATIS o tómelo del MMSI propio.</translation>
    </message>
    <message>
        <source>Give the entry a name of at most 11 characters.</source>
        <translation>Dé a la entrada un nombre de 11 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Type a frequency from 137 to 174 MHz in steps of 25 kHz.</source>
        <translation>Escriba una frecuencia de 137 a 174 MHz en pasos de 25 kHz.</translation>
    </message>
    <message>
        <source>Use another frequency for this channel.</source>
        <translation>Use otra frecuencia para este canal.</translation>
    </message>
    <message>
        <source>Use at most %1 characters of 0-9 A-Z a-z - + ( ) . * / , and blank.</source>
        <translation>Use como máximo %1 caracteres de 0-9 A-Z a-z - + ( ) . * / , y espacio.</translation>
    </message>
    <message>
        <source>Type the MMSI again, digits only.</source>
        <translation>Escriba el MMSI de nuevo, solo cifras.</translation>
    </message>
    <message>
        <source>Type the own MMSI again: 9 digits.</source>
        <translation>Escriba el MMSI propio de nuevo: 9 cifras.</translation>
    </message>
    <message>
        <source>Type the ATIS code again: 10 digits.</source>
        <translation>Escriba el código ATIS de nuevo: 10 cifras.</translation>
    </message>
    <message>
        <source>Choose an offset from the list.</source>
        <translation>Elija un desfase de la lista.</translation>
    </message>
    <message>
        <source>Choose the priority channel again.</source>
        <translation>Elija el canal prioritario de nuevo.</translation>
    </message>
    <message>
        <source>The channel allows no duplex: the radio keeps it simplex.</source>
        <translation>El canal no admite dúplex: la radio lo deja en símplex.</translation>
    </message>
    <message>
        <source>Set it again on its screen.</source>
        <translation>Vuelva a ajustarlo en su pantalla.</translation>
    </message>
    <message>
        <source>The radio ends the directory at the first entry without an MMSI: give every entry in use an MMSI.</source>
        <translation>La radio termina el directorio en la primera entrada sin MMSI: dé un MMSI a cada entrada en uso.</translation>
    </message>
    <message>
        <source>Switch a channel of the group on, or the group off.</source>
        <translation>Active un canal del grupo o desactive el grupo.</translation>
    </message>
    <message>
        <source>Correct the value; the rest of the data is checked once it fits.</source>
        <translation>Corrija el valor; el resto de los datos se comprueba cuando quepa.</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 refused, %5 removed</source>
        <translation>%1 nuevas, %2 cambiadas, %3 sin cambios, %4 rechazadas, %5 eliminadas</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 refused</source>
        <translation>%1 nuevas, %2 cambiadas, %3 sin cambios, %4 rechazadas</translation>
    </message>
    <message>
        <source>column %1 appears twice</source>
        <translation>la columna %1 aparece dos veces</translation>
    </message>
    <message>
        <source>no column %1</source>
        <translation>no hay columna %1</translation>
    </message>
    <message>
        <source>columns ignored: %1</source>
        <translation>columnas ignoradas: %1</translation>
    </message>
    <message>
        <source>name missing</source>
        <translation>falta el nombre</translation>
    </message>
    <message>
        <source>name %1 has no character the radio can show</source>
        <translation>el nombre %1 no tiene ningún carácter que la radio pueda mostrar</translation>
    </message>
    <message>
        <source>name %1 is stored as %2</source>
        <translation>el nombre %1 se guarda como %2</translation>
    </message>
    <message>
        <source>MMSI %1 is also on line %2</source>
        <translation>el MMSI %1 también está en la línea %2</translation>
    </message>
    <message>
        <source>position %1 is also on line %2</source>
        <translation>la posición %1 también está en la línea %2</translation>
    </message>
    <message>
        <source>%1 is also on line %2</source>
        <translation>%1 también está en la línea %2</translation>
    </message>
    <message>
        <source>beyond the %1 entries of the directory</source>
        <translation>más allá de las %1 entradas del directorio</translation>
    </message>
    <message>
        <source>the directory is full (%1 entries)</source>
        <translation>el directorio está lleno (%1 entradas)</translation>
    </message>
    <message>
        <source>low_power cannot be set on %1</source>
        <translation>low_power no se puede activar en %1</translation>
    </message>
    <message>
        <source>power_up needs low_power</source>
        <translation>power_up necesita low_power</translation>
    </message>
    <message>
        <source>power_up cannot be set on %1</source>
        <translation>power_up no se puede activar en %1</translation>
    </message>
    <message>
        <source>%1 cannot be duplex</source>
        <translation>%1 no puede ser dúplex</translation>
    </message>
    <message>
        <source>scan cannot be set on %1</source>
        <translation>scan no se puede activar en %1</translation>
    </message>
    <message>
        <source>bank %1 is not USA, INTL or CAN</source>
        <translation>bank %1 no es USA, INTL ni CAN</translation>
    </message>
    <message>
        <source>unknown channel label %1</source>
        <translation>etiqueta de canal desconocida %1</translation>
    </message>
    <message>
        <source>an enabled channel needs a display of 2 characters and a receive frequency</source>
        <translation>un canal activado necesita una indicación de 2 caracteres y una frecuencia de recepción</translation>
    </message>
    <message>
        <source>more than %1 fields</source>
        <translation>más de %1 campos</translation>
    </message>
    <message>
        <source>a quoted field never ends</source>
        <translation>un campo entre comillas no termina nunca</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>más de %1 filas</translation>
    </message>
    <message>
        <source>a NUL byte: this is not a text file</source>
        <translation>un byte NUL: no es un archivo de texto</translation>
    </message>
    <message>
        <source>byte %1 is text neither in UTF-8 nor in Windows-1252</source>
        <translation>el byte %1 no es texto ni en UTF-8 ni en Windows-1252</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo es mayor de %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>only a header, no rows</source>
        <translation>solo una cabecera, sin filas</translation>
    </message>
    <message>
        <source>%1 is not 1 or 0</source>
        <translation>%1 no es 1 ni 0</translation>
    </message>
    <message>
        <source>%1 is not a number of MHz</source>
        <translation>%1 no es un número de MHz</translation>
    </message>
    <message>
        <source>%1 is outside 137 to 174 MHz</source>
        <translation>%1 está fuera de 137 a 174 MHz</translation>
    </message>
    <message>
        <source>%1 is off the 25 kHz raster</source>
        <translation>%1 no está en la trama de 25 kHz</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone or DCS code</source>
        <translation>%1 no es un tono CTCSS ni un código DCS</translation>
    </message>
    <message>
        <source>%1 is not Narrow or Wide</source>
        <translation>%1 no es Narrow ni Wide</translation>
    </message>
    <message>
        <source>%1 is longer than 3 characters</source>
        <translation>%1 tiene más de 3 caracteres</translation>
    </message>
    <message>
        <source>%1 has characters the display cannot show</source>
        <translation>%1 tiene caracteres que la pantalla no puede mostrar</translation>
    </message>
    <message>
        <source>%1 is not 9 digits</source>
        <translation>%1 no tiene 9 cifras</translation>
    </message>
    <message>
        <source>%1 is not 0 and 8 digits</source>
        <translation>%1 no es 0 y 8 cifras</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 no es un número de 1 a %2</translation>
    </message>
    <message>
        <source>%1 has a decimal comma, read only in files separated by semicolons; use a point</source>
        <translation>%1 tiene una coma decimal, que solo se lee en archivos separados por punto y coma; use un punto</translation>
    </message>
</context>
<context>
    <name>DirectoryEntryScreen</name>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
</context>
<context>
    <name>DscAdvancedPages</name>
    <message>
        <source>ALL Clear</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>Registro DSC</translation>
    </message>
    <message>
        <source>Clear DSC Log</source>
        <translation>Borrar registro DSC</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Registro de socorro</translation>
    </message>
    <message>
        <source>Clear Distress Log</source>
        <translation>Borrar registro de socorro</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Clear Individual Directory</source>
        <translation>Borrar directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>Clear Group Directory</source>
        <translation>Borrar directorio de grupos</translation>
    </message>
    <message>
        <source>Waypoint Directory</source>
        <translation>Directorio de waypoints</translation>
    </message>
    <message>
        <source>Clear Waypoint Directory</source>
        <translation>Borrar directorio de waypoints</translation>
    </message>
    <message>
        <source>DSC TX Log</source>
        <translation>Registro de transmisión DSC</translation>
    </message>
    <message>
        <source>Clear DSC TX Log</source>
        <translation>Borrar registro de transmisión DSC</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Un clic borra el registro</translation>
    </message>
</context>
<context>
    <name>DscBasicPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Grupos de canales DSC utilizables</translation>
    </message>
    <message>
        <source>DSC </source>
        <translation>DSC </translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>MMSI Clear</source>
        <translation>Borrar MMSI</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Un clic reinicia el número de ajustes permitidos del MMSI propio</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>Pitidos DSC</translation>
    </message>
    <message>
        <source> Beep</source>
        <translation> pitido</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Grupo1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Grupo2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Grupo3</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>Grupo de canales EXP</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Cancelación de socorro</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Modo de espera</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Petición de posición</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Informe de posición</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Enviar alerta de socorro</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Recibida: todos los barcos</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Recibida: individual</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Recibida: grupo</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Recibida: geográfica</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Recibida: petición de posición</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Recibido: informe de posición</translation>
    </message>
</context>
<context>
    <name>DscScreen</name>
    <message>
        <source>Basic Setup</source>
        <translation>Configuración básica</translation>
    </message>
    <message>
        <source>Advanced Setup1</source>
        <translation>Avanzada 1</translation>
    </message>
    <message>
        <source>Advanced Setup2</source>
        <translation>Avanzada 2</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>MMSI Clear</source>
        <translation>Borrar MMSI</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menú de confirmación individual</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menú de mensaje de confirmación individual</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menú de confirmación de petición de posición</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Expor&amp;t</source>
        <translation>Expor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>I&amp;mportar</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>Imprimir tar&amp;jetas...</translation>
    </message>
    <message>
        <source>Export Car&amp;ds as PDF...</source>
        <translation>Exportar tarjetas como P&amp;DF...</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>leído de la radio</translation>
    </message>
    <message>
        <source>&amp;Individual Directory...</source>
        <translation>Directorio &amp;individual...</translation>
    </message>
    <message>
        <source>&amp;Group Directory...</source>
        <translation>Directorio de &amp;grupos...</translation>
    </message>
    <message>
        <source>E&amp;xpansion Channels...</source>
        <translation>Canales de e&amp;xpansión...</translation>
    </message>
    <message>
        <source>&amp;Channels...</source>
        <translation>&amp;Canales...</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exportar %1</translation>
    </message>
    <message>
        <source>Export Cards as PDF</source>
        <translation>Exportar tarjetas como PDF</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Arch&amp;ivos recientes</translation>
    </message>
    <message>
        <source>Showing the backup %1, not saved</source>
        <translation>Mostrando la copia de seguridad %1, sin guardar</translation>
    </message>
    <message>
        <source>Showing the backup of %1 (%2, %3</source>
        <translation>Mostrando la copia de seguridad del %1 (%2, %3</translation>
    </message>
    <message>
        <source>, MMSI %1</source>
        <translation>, MMSI %1</translation>
    </message>
    <message>
        <source>), not saved</source>
        <translation>), sin guardar</translation>
    </message>
</context>
<context>
    <name>FilePlaces</name>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>Archivos dat(*.dat);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>Archivos hex(*.hex);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Archivos de texto(*.txt);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Archivos PDF(*.pdf);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>CSV files(*.csv);;All files(*.*)</source>
        <translation>Archivos CSV(*.csv);;Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOMBRE DE LA ESTACIÓN</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>KIND · COUNTRY</source>
        <translation>TIPO · PAÍS</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOMBRE DEL GRUPO</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CANAL</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIVO</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>PANT</translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>BAJA</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ALTA</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DÚP</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Show &amp;Backup Folder</source>
        <translation>Mostrar carpeta de co&amp;pias de seguridad</translation>
    </message>
    <message>
        <source>&amp;About KMT Version</source>
        <translation>&amp;Acerca de KMT Version</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Desde %1</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The directory</source>
        <translation>El directorio</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>the file&apos;s entries become the whole directory</source>
        <translation>las entradas del archivo pasan a ser todo el directorio</translation>
    </message>
    <message>
        <source>by MMSI: a known MMSI takes the file&apos;s name, a new one the next free entry</source>
        <translation>por MMSI: un MMSI conocido toma el nombre del archivo, uno nuevo la siguiente entrada libre</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>I&amp;mportar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nada que importar.</translation>
    </message>
    <message>
        <source>Import leaves the refused rows out.</source>
        <translation>La importación omite las filas rechazadas.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language changes the next time KV508 starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie KV508.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
</context>
<context>
    <name>MmsiRepeatDialog</name>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once. Type it again to confirm.</source>
        <translation>La mayoría de las radios aceptan su MMSI propio solo una vez. Escríbalo de nuevo para confirmarlo.</translation>
    </message>
    <message>
        <source>Typed first:</source>
        <translation>Escrito primero:</translation>
    </message>
    <message>
        <source>MMSI again:</source>
        <translation>MMSI de nuevo:</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>modelo %1</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destino</translation>
    </message>
</context>
<context>
    <name>NavTree</name>
    <message>
        <source>[Enable]</source>
        <translation>[Activo]</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Grupo1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Grupo2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Grupo3</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Grupos de canales utilizables</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Configuración común</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Configuración DSC</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Configuración ATIS</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Canales programables</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
    <message>
        <source>Memory ID</source>
        <translation>ID de memoria</translation>
    </message>
    <message>
        <source>Group ID</source>
        <translation>ID de grupo</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Other &amp;device...</source>
        <translation>Otro &amp;dispositivo...</translation>
    </message>
    <message>
        <source>Simulated &amp;radio (built in)</source>
        <translation>&amp;Radio simulada (integrada)</translation>
    </message>
    <message>
        <source>the simulated radio</source>
        <translation>la radio simulada</translation>
    </message>
    <message>
        <source>(built in)</source>
        <translation>(integrada)</translation>
    </message>
    <message>
        <source>(not on this computer)</source>
        <translation>(no está en este ordenador)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>radio read</source>
        <translation>leído de la radio</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALLIDO</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.

You can look at the pages in Print Preview, or save them as a PDF file and print that elsewhere.</source>
        <translation>No hay ninguna impresora instalada en este ordenador.

Puede ver las páginas en la vista previa o guardarlas como archivo PDF e imprimirlo en otro lugar.</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Exportar &amp;PDF...</translation>
    </message>
    <message>
        <source>Serial device</source>
        <translation>Dispositivo serie</translation>
    </message>
    <message>
        <source>Device path (for example /dev/ttyUSB0):</source>
        <translation>Ruta del dispositivo (por ejemplo /dev/ttyUSB0):</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Apariencia</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>1.Connect the KMT cable between the PC serial port and the radio.</source>
        <translation>1. Conecte el PC y la radio con el cable KMT.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2. En la radio, mantenga pulsadas [DISTRESS] y [CALL]</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   mientras la enciende.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   La pantalla de la radio mostrará PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Pulse el botón [OK] para empezar.</translation>
    </message>
</context>
<context>
    <name>UsableScreen</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Grupos de canales utilizables</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Grupos de canales de expansión</translation>
    </message>
    <message>
        <source>EXP with %1</source>
        <translation>EXP con %1</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nombre de estado</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritario</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>máximo 4 caracteres.</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>Grupo de canales EXP</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
</context>
<context>
    <name>WeatherScreen</name>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] activo / [ ] inactivo.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Como máximo 12 caracteres</translation>
    </message>
</context>
<context>
    <name>WidgetProps</name>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]: cambiar la selección.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]: activar y desactivar.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]/[Izquierda]/[Derecha]: cambiar la selección.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doble clic],[Intro]: ir a la pantalla de ajustes.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Solo dígitos, exactamente %1 cifras.</translation>
    </message>
</context>
<context>
    <name>kv508::ui::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Programming software for marine VHF/DSC radios.</source>
        <translation>Software de programación para radios marinas VHF/DSC.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>kv508::ui::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
</context>
<context>
    <name>kv508::ui::MainWindow</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Puerto &amp;serie</translation>
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
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>&amp;Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimir a arc&amp;hivo</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>&amp;Check Settings...</source>
        <translation>C&amp;omprobar ajustes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>&amp;Comparar con la radio...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>&amp;Probar la conexión...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Volcado hexadecimal</translation>
    </message>
</context>
<context>
    <name>kv508::ui::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimir a archivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Creando el texto. Espere, por favor...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kv508::ui::TransferDialog</name>
    <message>
        <source>Save Trace...</source>
        <translation>Guardar traza...</translation>
    </message>
    <message>
        <source>Save what went over the serial line, for a bug report</source>
        <translation>Guardar lo que pasó por la línea serie, para un informe de error</translation>
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
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>Choose the serial port the cable is plugged into</source>
        <translation>Elija el puerto serie al que está conectado el cable</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Ready. Press OK to start.</source>
        <translation>Listo. Pulse Aceptar para empezar.</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Puerto: %1</translation>
    </message>
</context>
</TS>
