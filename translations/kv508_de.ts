<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AtisScreen</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Nutzbare ATIS-Kanalgruppen</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Nutzbare ATIS-Killer-Kanalgruppen</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
    <message>
        <source>ATIS </source>
        <translation>ATIS </translation>
    </message>
    <message>
        <source>ATIS Killer </source>
        <translation>ATIS-Killer </translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>From MMSI</source>
        <translation>Aus MMSI</translation>
    </message>
    <message>
        <source>9 followed by the User MMSI of the DSC Setup</source>
        <translation>9, gefolgt von der eigenen MMSI aus dem DSC-Setup</translation>
    </message>
    <message>
        <source>Sets the ATIS code to %1</source>
        <translation>Setzt den ATIS-Code auf %1</translation>
    </message>
    <message>
        <source>There is no User MMSI on the DSC Setup</source>
        <translation>Im DSC-Setup ist keine eigene MMSI eingetragen</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Own MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>ChannelPanelScreen</name>
    <message>
        <source>CH Enable</source>
        <translation>Kanal ein</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Genau 2 Zeichen.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Genau 1 Zeichen.</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden erlaubt</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
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
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>TX Tone</source>
        <translation>TX-Ton</translation>
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
        <translation>Einstellungen prüfen</translation>
    </message>
    <message>
        <source>Before programming, the check found %1.</source>
        <translation>Vor dem Schreiben hat die Prüfung %1 gefunden.</translation>
    </message>
    <message>
        <source>The check found %1.</source>
        <translation>Die Prüfung hat %1 gefunden.</translation>
    </message>
    <message>
        <source>An error is a value the radio would hold otherwise than the editor shows it; a warning is probably not what is meant. Double-click a line to see its screen.</source>
        <translation>Ein Fehler ist ein Wert, den das Funkgerät anders speichern würde, als der Editor ihn zeigt; eine Warnung ist wahrscheinlich nicht so gemeint. Doppelklicken Sie auf eine Zeile, um ihre Seite zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Trotzdem schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>CommonScreen</name>
    <message>
        <source>Starting TX Mode</source>
        <translation>Sendemodus beim Start</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Nur Lo Po</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Lo Po bei Kanalwechsel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Letzte TX-Leistung</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>TX-Leistungsanzeige</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>PTT beendet Suchlauf</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Zweikanalüberwachung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Time Display</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Wetterkanäle</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Ein (Wetter)</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Ein (Suchlauf)</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>Wetter und Suchlauf</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetteralarm</translation>
    </message>
    <message>
        <source>Units of Measure</source>
        <translation>Maßeinheiten</translation>
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
        <translation>Entfernung</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit dem Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Zu schreiben</translation>
    </message>
    <message>
        <source>&amp;Program These Changes</source>
        <translation>&amp;Diese Änderungen schreiben</translation>
    </message>
    <message>
        <source>&amp;Use the Radio&apos;s Values</source>
        <translation>Werte des &amp;Funkgeräts übernehmen</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>Als Text &amp;speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Write only the blocks that hold these settings</source>
        <translation>Nur die Blöcke schreiben, die diese Einstellungen enthalten</translation>
    </message>
    <message>
        <source>Take the radio&apos;s settings into the data (Edit &gt; Undo takes them back)</source>
        <translation>Die Einstellungen des Funkgeräts übernehmen (Bearbeiten &gt; Rückgängig nimmt sie zurück)</translation>
    </message>
    <message>
        <source>The data cannot be programmed: %1</source>
        <translation>Die Daten können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The radio holds the settings of the data being edited.</source>
        <translation>Das Funkgerät enthält die Einstellungen der bearbeiteten Daten.</translation>
    </message>
    <message>
        <source>1 setting of the radio differs from the data being edited.</source>
        <translation>1 Einstellung des Funkgeräts weicht von den bearbeiteten Daten ab.</translation>
    </message>
    <message>
        <source>%1 settings of the radio differ from the data being edited.</source>
        <translation>%1 Einstellungen des Funkgeräts weichen von den bearbeiteten Daten ab.</translation>
    </message>
</context>
<context>
    <name>ConnectionDialog</name>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Connect the radio in PC CONTROL mode, then press Test.</source>
        <translation>Schließen Sie das Funkgerät im Modus PC CONTROL an und drücken Sie dann Testen.</translation>
    </message>
    <message>
        <source>Save Trace...</source>
        <translation>Mitschnitt speichern...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Anschluss: %1</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Test läuft...</translation>
    </message>
    <message>
        <source>Test Again</source>
        <translation>Erneut testen</translation>
    </message>
    <message>
        <source>The radio answers: the connection works.</source>
        <translation>Das Funkgerät antwortet: Die Verbindung funktioniert.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Likely cause: %1
Fix: %2</source>
        <translation>Wahrscheinliche Ursache: %1
Abhilfe: %2</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Read from Radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Program Changes to Radio</source>
        <translation>Änderungen ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit dem Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Clear MMSI Data</source>
        <translation>MMSI-Daten löschen</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>DSC-Protokoll löschen</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Notrufprotokoll löschen</translation>
    </message>
    <message>
        <source>Clear Individual Directory</source>
        <translation>Einzelverzeichnis löschen</translation>
    </message>
    <message>
        <source>Clear Group Directory</source>
        <translation>Gruppenverzeichnis löschen</translation>
    </message>
    <message>
        <source>Clear WayPoint Directory</source>
        <translation>Wegpunktverzeichnis löschen</translation>
    </message>
    <message>
        <source>Clear DSC TX Log Data</source>
        <translation>DSC-Sendeprotokoll löschen</translation>
    </message>
    <message>
        <source>Clear All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modellprüfung</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Check Settings</source>
        <translation>Einstellungen prüfen</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Fertig!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Übertragungsfehler!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Funkgerät nicht bereit!!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Funkgerät ist beschäftigt!!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Falscher Modelltyp !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Falscher Produktcode!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fehler beim Lesen der Datei!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fehler beim Speichern der Datei!!</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fehler beim Lesen der INI-Datei!!</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Unbekanntes Modell!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Ungültige Datei!!</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Verify Error!!</source>
        <translation>Prüffehler!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Bitte geben Sie gültige Daten ein.</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Synchronisierung der Verbindung bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinde mit %1...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s status...</source>
        <translation>Prüfe den Zustand des Funkgeräts...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s model...</source>
        <translation>Prüfe das Modell des Funkgeräts...</translation>
    </message>
    <message>
        <source>Checking the radio&apos;s own MMSI...</source>
        <translation>Prüfe die eigene MMSI des Funkgeräts...</translation>
    </message>
    <message>
        <source>Clearing the MMSI...</source>
        <translation>Lösche die MMSI...</translation>
    </message>
    <message>
        <source>Reading %1 of %2 KB</source>
        <translation>Lese %1 von %2 KB</translation>
    </message>
    <message>
        <source>Reading %1 of %2 KB, about %3 s left</source>
        <translation>Lese %1 von %2 KB, noch etwa %3 s</translation>
    </message>
    <message>
        <source>Programming %1 of %2 KB</source>
        <translation>Schreibe %1 von %2 KB</translation>
    </message>
    <message>
        <source>Programming %1 of %2 KB, about %3 s left</source>
        <translation>Schreibe %1 von %2 KB, noch etwa %3 s</translation>
    </message>
    <message>
        <source>Verifying %1 of %2 KB</source>
        <translation>Prüfe %1 von %2 KB</translation>
    </message>
    <message>
        <source>Verifying %1 of %2 KB, about %3 s left</source>
        <translation>Prüfe %1 von %2 KB, noch etwa %3 s</translation>
    </message>
    <message>
        <source>Clearing %1 of %2 KB</source>
        <translation>Lösche %1 von %2 KB</translation>
    </message>
    <message>
        <source>Clearing %1 of %2 KB, about %3 s left</source>
        <translation>Lösche %1 von %2 KB, noch etwa %3 s</translation>
    </message>
    <message>
        <source>No answer yet: attempt %1 of %2</source>
        <translation>Noch keine Antwort: Versuch %1 von %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Stopped after an error. Check the radio and press OK to try again.</source>
        <translation>Nach einem Fehler angehalten. Prüfen Sie das Funkgerät und drücken Sie OK für einen neuen Versuch.</translation>
    </message>
    <message>
        <source>The radio did not answer on the serial port.</source>
        <translation>Das Funkgerät hat an der seriellen Schnittstelle nicht geantwortet.</translation>
    </message>
    <message>
        <source>The radio did not answer on %1.</source>
        <translation>Das Funkgerät hat an %1 nicht geantwortet.</translation>
    </message>
    <message>
        <source>Check that:</source>
        <translation>Prüfen Sie, ob:</translation>
    </message>
    <message>
        <source>- the cable is plugged into this port and into the radio;</source>
        <translation>- das Kabel in dieser Schnittstelle und im Funkgerät steckt;</translation>
    </message>
    <message>
        <source>- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on);</source>
        <translation>- das Funkgerät PC CONTROL anzeigt ([DISTRESS] und [CALL] beim Einschalten gedrückt halten);</translation>
    </message>
    <message>
        <source>- Options &gt; SerialPort names the port the cable is plugged into.</source>
        <translation>- Optionen &gt; Serielle Schnittstelle die Schnittstelle nennt, in der das Kabel steckt.</translation>
    </message>
    <message>
        <source>The radio answered with an error on the serial port.</source>
        <translation>Das Funkgerät hat an der seriellen Schnittstelle mit einem Fehler geantwortet.</translation>
    </message>
    <message>
        <source>The radio answered with an error on %1.</source>
        <translation>Das Funkgerät hat an %1 mit einem Fehler geantwortet.</translation>
    </message>
    <message>
        <source>Turn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while turning it on), and try again.</source>
        <translation>Schalten Sie das Funkgerät aus und im Modus PC CONTROL wieder ein ([DISTRESS] und [CALL] beim Einschalten gedrückt halten) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory; the blocks already written stay written. Program it again before use.</source>
        <translation>Der Speicher des Funkgeräts ist jetzt nur teilweise beschrieben; die schon geschriebenen Blöcke bleiben geschrieben. Schreiben Sie ihn vor dem Gebrauch erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s own MMSI may now be damaged. Clear it again.</source>
        <translation>Die eigene MMSI des Funkgeräts ist jetzt möglicherweise beschädigt. Löschen Sie sie erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s logs and directories may now be partly erased. Clear all data again.</source>
        <translation>Protokolle und Verzeichnisse des Funkgeräts sind jetzt möglicherweise nur teilweise gelöscht. Löschen Sie alle Daten erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s DSC log may now be partly erased. Clear it again.</source>
        <translation>Das DSC-Protokoll des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s distress log may now be partly erased. Clear it again.</source>
        <translation>Das Notrufprotokoll des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s individual directory may now be partly erased. Clear it again.</source>
        <translation>Das Einzelverzeichnis des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s group directory may now be partly erased. Clear it again.</source>
        <translation>Das Gruppenverzeichnis des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s WayPoint directory may now be partly erased. Clear it again.</source>
        <translation>Das Wegpunktverzeichnis des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio&apos;s DSC TX log may now be partly erased. Clear it again.</source>
        <translation>Das DSC-Sendeprotokoll des Funkgeräts ist jetzt möglicherweise nur teilweise gelöscht. Löschen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio was programmed, but it could not be read back to verify it.</source>
        <translation>Das Funkgerät wurde beschrieben, konnte aber zur Prüfung nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>address 0x%1: written 0x%2, read 0x%3</source>
        <translation>Adresse 0x%1: geschrieben 0x%2, gelesen 0x%3</translation>
    </message>
    <message>
        <source>Program the radio without it?</source>
        <translation>Das Funkgerät ohne Sicherung beschreiben?</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1.</source>
        <translation>Die Sicherung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Nothing to send: the radio already holds these settings.</source>
        <translation>Nichts zu senden: Das Funkgerät enthält diese Einstellungen bereits.</translation>
    </message>
    <message>
        <source>Keep the Radio&apos;s Identity</source>
        <translation>Identität des Funkgeräts behalten</translation>
    </message>
    <message>
        <source>Write the New Identity</source>
        <translation>Neue Identität schreiben</translation>
    </message>
    <message>
        <source>This radio&apos;s own MMSI is %1.</source>
        <translation>Die eigene MMSI dieses Funkgeräts ist %1.</translation>
    </message>
    <message>
        <source>This radio&apos;s ATIS code is %1.</source>
        <translation>Der ATIS-Code dieses Funkgeräts ist %1.</translation>
    </message>
    <message>
        <source>The data would remove it.</source>
        <translation>Die Daten würden ihn entfernen.</translation>
    </message>
    <message>
        <source>The data would change it to %1.</source>
        <translation>Die Daten würden ihn in %1 ändern.</translation>
    </message>
    <message>
        <source>Most radios accept a new own MMSI only once.</source>
        <translation>Die meisten Funkgeräte nehmen eine neue eigene MMSI nur einmal an.</translation>
    </message>
    <message>
        <source>This radio has no own MMSI.</source>
        <translation>Dieses Funkgerät hat keine eigene MMSI.</translation>
    </message>
    <message>
        <source>The data would give it %1.</source>
        <translation>Die Daten würden ihm %1 geben.</translation>
    </message>
    <message>
        <source>This radio has no own MMSI: it receives %1.</source>
        <translation>Dieses Funkgerät hat keine eigene MMSI: Es erhält %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The radio keeps its own MMSI and ATIS code.</source>
        <translation>Das Funkgerät behält seine eigene MMSI und seinen ATIS-Code.</translation>
    </message>
    <message>
        <source>The new own MMSI and ATIS code are written.</source>
        <translation>Die neue eigene MMSI und der ATIS-Code werden geschrieben.</translation>
    </message>
    <message>
        <source>An MMSI has 9 digits.</source>
        <translation>Eine MMSI hat 9 Ziffern.</translation>
    </message>
    <message>
        <source>Enter a name and an MMSI for entry %1 before adding entry %2.</source>
        <translation>Geben Sie einen Namen und eine MMSI für Eintrag %1 ein, bevor Sie Eintrag %2 anlegen.</translation>
    </message>
    <message>
        <source>The MMSI typed again differs from the one typed first.</source>
        <translation>Die wiederholte MMSI weicht von der zuerst eingegebenen ab.</translation>
    </message>
    <message>
        <source>Nothing was stored: the User MMSI stays empty.</source>
        <translation>Es wurde nichts gespeichert: Die eigene MMSI bleibt leer.</translation>
    </message>
    <message>
        <source>Nothing was stored: the User MMSI stays %1.</source>
        <translation>Es wurde nichts gespeichert: Die eigene MMSI bleibt %1.</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Anruf an alle Schiffe</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppenanruf</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Einzelanruf</translation>
    </message>
    <message>
        <source>Position Request Call</source>
        <translation>Positionsanfrage</translation>
    </message>
    <message>
        <source>Position Report Call</source>
        <translation>Positionsmeldung</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Dringlichkeit</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Saving %1.</source>
        <translation>Beim Speichern von %1.</translation>
    </message>
    <message>
        <source>Saving %1:</source>
        <translation>Beim Speichern von %1:</translation>
    </message>
    <message>
        <source>Importing %1.</source>
        <translation>Beim Importieren von %1.</translation>
    </message>
    <message>
        <source>Importing %1:</source>
        <translation>Beim Importieren von %1:</translation>
    </message>
    <message>
        <source>Opening %1.</source>
        <translation>Beim Öffnen von %1.</translation>
    </message>
    <message>
        <source>Opening %1:</source>
        <translation>Beim Öffnen von %1:</translation>
    </message>
    <message>
        <source>The check found nothing: the radio will hold the settings as shown.</source>
        <translation>Die Prüfung hat nichts gefunden: Das Funkgerät wird die Einstellungen wie gezeigt enthalten.</translation>
    </message>
    <message>
        <source>The file %1 is no longer there.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>It has been taken off the Recent Files list.</source>
        <translation>Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>KMT data has changed.</source>
        <translation>Die KMT-Daten wurden geändert.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Möchten Sie die Serie %1 programmieren?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Möchten Sie zu %1 wechseln?</translation>
    </message>
    <message>
        <source>Backups are off: there is no per-user data folder.</source>
        <translation>Sicherungen sind aus: Es gibt keinen Datenordner für diesen Benutzer.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be opened.</source>
        <translation>Der Sicherungsordner %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Copy its path to the clipboard?</source>
        <translation>Seinen Pfad in die Zwischenablage kopieren?</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden. Zu diesem Projekt gibt es keine Hilfe.</translation>
    </message>
    <message>
        <source>KV508 did not close properly. Restore the unsaved changes from %1?</source>
        <translation>KV508 wurde nicht richtig beendet. Die ungespeicherten Änderungen von %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>There is no serial port COM%1 on this computer.</source>
        <translation>Auf diesem Computer gibt es keine serielle Schnittstelle COM%1.</translation>
    </message>
    <message>
        <source>Choose another entry of Options &gt; SerialPort, or the simulated radio to try the program without one.</source>
        <translation>Wählen Sie einen anderen Eintrag unter Optionen &gt; Serielle Schnittstelle oder das simulierte Funkgerät, um das Programm ohne Funkgerät auszuprobieren.</translation>
    </message>
    <message>
        <source>An ATIS code has 10 digits.</source>
        <translation>Ein ATIS-Code hat 10 Ziffern.</translation>
    </message>
    <message>
        <source>The frequency must be between 137 and 174 MHz on the 25 kHz raster.</source>
        <translation>Die Frequenz muss zwischen 137 und 174 MHz im 25-kHz-Raster liegen.</translation>
    </message>
    <message>
        <source>The User MMSI and its setting count in the radio will be erased.</source>
        <translation>Die eigene MMSI und ihr Eingabezähler im Funkgerät werden gelöscht.</translation>
    </message>
    <message>
        <source>The DSC log in the radio will be erased.</source>
        <translation>Das DSC-Protokoll im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The distress log in the radio will be erased.</source>
        <translation>Das Notrufprotokoll im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The individual directory in the radio will be erased.</source>
        <translation>Das Einzelverzeichnis im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The group directory in the radio will be erased.</source>
        <translation>Das Gruppenverzeichnis im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The waypoint directory in the radio will be erased.</source>
        <translation>Das Wegpunktverzeichnis im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The DSC TX log in the radio will be erased.</source>
        <translation>Das DSC-Sendeprotokoll im Funkgerät wird gelöscht.</translation>
    </message>
    <message>
        <source>The DSC log, the distress log, the DSC TX log and the individual, group and waypoint directories in the radio will be erased.</source>
        <translation>DSC-Protokoll, Notrufprotokoll, DSC-Sendeprotokoll sowie Einzel-, Gruppen- und Wegpunktverzeichnis im Funkgerät werden gelöscht.</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Open the port</source>
        <translation>Schnittstelle öffnen</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Verbindungsaufbau</translation>
    </message>
    <message>
        <source>Product check</source>
        <translation>Produktprüfung</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nicht ausgeführt</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>Schnittstelle fehlt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>OK, working speed %1 baud</source>
        <translation>OK, Arbeitsgeschwindigkeit %1 Baud</translation>
    </message>
    <message>
        <source>the port would not switch to the working speed</source>
        <translation>die Schnittstelle schaltete nicht auf die Arbeitsgeschwindigkeit</translation>
    </message>
    <message>
        <source>the radio answered with an error</source>
        <translation>das Funkgerät antwortete mit einem Fehler</translation>
    </message>
    <message>
        <source>an answer that is not the radio&apos;s</source>
        <translation>eine Antwort, die nicht vom Funkgerät stammt</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>OK, product code %1</source>
        <translation>OK, Produktcode %1</translation>
    </message>
    <message>
        <source>product code %1</source>
        <translation>Produktcode %1</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>Es gibt keine Schnittstelle %1.</translation>
    </message>
    <message>
        <source>Plug the cable in and choose its port in Options &gt; SerialPort (kv508-cli ports lists the ports of this computer).</source>
        <translation>Stecken Sie das Kabel ein und wählen Sie seine Schnittstelle unter Optionen &gt; Serielle Schnittstelle (kv508-cli ports listet die Schnittstellen dieses Computers).</translation>
    </message>
    <message>
        <source>This user may not open %1.</source>
        <translation>Dieser Benutzer darf %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>Add yourself to the %1 group: sudo usermod -aG %2 $USER, then log out and in again.</source>
        <translation>Fügen Sie sich der Gruppe %1 hinzu: sudo usermod -aG %2 $USER, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Another program has %1 open.</source>
        <translation>Ein anderes Programm hat %1 geöffnet.</translation>
    </message>
    <message>
        <source>Close the other program (a terminal program, other radio software). A modem manager may take a USB serial adapter for half a minute after it is plugged in: wait and test again, or stop it (sudo systemctl stop ModemManager).</source>
        <translation>Schließen Sie das andere Programm (ein Terminalprogramm, andere Funksoftware). Ein Modem-Manager kann einen USB-Seriell-Adapter nach dem Einstecken eine halbe Minute belegen: warten und erneut testen oder ihn anhalten (sudo systemctl stop ModemManager).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Choose another port in Options &gt; SerialPort, or plug the cable in again.</source>
        <translation>Wählen Sie eine andere Schnittstelle unter Optionen &gt; Serielle Schnittstelle oder stecken Sie das Kabel neu ein.</translation>
    </message>
    <message>
        <source>%1 refused the working speed: %2.</source>
        <translation>%1 lehnte die Arbeitsgeschwindigkeit ab: %2.</translation>
    </message>
    <message>
        <source>Try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Versuchen Sie die langsame Verbindung (kv508 mit /E starten; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The radio refused the handshake.</source>
        <translation>Das Funkgerät lehnte den Verbindungsaufbau ab.</translation>
    </message>
    <message>
        <source>Turn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while turning it on), and test again.</source>
        <translation>Schalten Sie das Funkgerät aus und im Modus PC CONTROL wieder ein ([DISTRESS] und [CALL] beim Einschalten gedrückt halten) und testen Sie erneut.</translation>
    </message>
    <message>
        <source>Something answered on %1, but not as the radio does.</source>
        <translation>An %1 hat etwas geantwortet, aber nicht wie das Funkgerät.</translation>
    </message>
    <message>
        <source>Check that this port is the one the radio&apos;s cable is plugged into, and try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Prüfen Sie, ob das Kabel des Funkgeräts in dieser Schnittstelle steckt, und versuchen Sie die langsame Verbindung (kv508 mit /E starten; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>Der Test wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 went away: %2.</source>
        <translation>%1 ist verschwunden: %2.</translation>
    </message>
    <message>
        <source>Plug the cable in again, then test again.</source>
        <translation>Stecken Sie das Kabel neu ein und testen Sie erneut.</translation>
    </message>
    <message>
        <source>The radio stopped answering on %1.</source>
        <translation>Das Funkgerät antwortet an %1 nicht mehr.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged into this port and into the radio, and that the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on). Some cables only work at the low speed: try the low-speed link (start kv508 with /E; kv508-cli --low-speed).</source>
        <translation>Prüfen Sie, ob das Kabel in dieser Schnittstelle und im Funkgerät steckt und das Funkgerät PC CONTROL anzeigt ([DISTRESS] und [CALL] beim Einschalten gedrückt halten). Manche Kabel arbeiten nur langsam: Versuchen Sie die langsame Verbindung (kv508 mit /E starten; kv508-cli --low-speed).</translation>
    </message>
    <message>
        <source>The model chosen, %1, is not one this program can program.</source>
        <translation>Das gewählte Modell %1 kann dieses Programm nicht programmieren.</translation>
    </message>
    <message>
        <source>Choose the radio&apos;s model in Edit &gt; Model (kv508-cli --model N).</source>
        <translation>Wählen Sie das Modell des Funkgeräts unter Bearbeiten &gt; Modell (kv508-cli --model N).</translation>
    </message>
    <message>
        <source>This radio is not one this program can program.</source>
        <translation>Dieses Funkgerät kann dieses Programm nicht programmieren.</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Küstenfunkstelle</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-Luftfahrzeug</translation>
    </message>
    <message>
        <source>Handheld VHF</source>
        <translation>UKW-Handfunkgerät</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Beiboot eines Mutterschiffs</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Navigationshilfe</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man-overboard device</source>
        <translation>Mann-über-Bord-Gerät</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>Not a valid MMSI</source>
        <translation>Keine gültige MMSI</translation>
    </message>
    <message>
        <source>a ship station</source>
        <translation>eine Schiffsfunkstelle</translation>
    </message>
    <message>
        <source>a group MMSI</source>
        <translation>eine Gruppen-MMSI</translation>
    </message>
    <message>
        <source>a coast station</source>
        <translation>eine Küstenfunkstelle</translation>
    </message>
    <message>
        <source>a SAR aircraft</source>
        <translation>ein SAR-Luftfahrzeug</translation>
    </message>
    <message>
        <source>a handheld VHF</source>
        <translation>ein UKW-Handfunkgerät</translation>
    </message>
    <message>
        <source>a craft of a parent ship</source>
        <translation>ein Beiboot eines Mutterschiffs</translation>
    </message>
    <message>
        <source>an aid to navigation</source>
        <translation>eine Navigationshilfe</translation>
    </message>
    <message>
        <source>an AIS-SART</source>
        <translation>ein AIS-SART</translation>
    </message>
    <message>
        <source>a man-overboard device</source>
        <translation>ein Mann-über-Bord-Gerät</translation>
    </message>
    <message>
        <source>an EPIRB-AIS</source>
        <translation>eine EPIRB-AIS</translation>
    </message>
    <message>
        <source>not a valid MMSI</source>
        <translation>keine gültige MMSI</translation>
    </message>
    <message>
        <source>Unknown country code %1</source>
        <translation>Unbekannte Landeskennung %1</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Not 10 digits</source>
        <translation>Nicht 10 Ziffern</translation>
    </message>
    <message>
        <source>Not 9 + MID + 6 digits</source>
        <translation>Nicht 9 + MID + 6 Ziffern</translation>
    </message>
    <message>
        <source>The own MMSI %1 is %2, not a ship or handheld station.</source>
        <translation>Die eigene MMSI %1 ist %2, keine Schiffs- oder Handfunkstelle.</translation>
    </message>
    <message>
        <source>The own MMSI %1 is %2.</source>
        <translation>Die eigene MMSI %1 ist %2.</translation>
    </message>
    <message>
        <source>Type the MMSI of this boat from its radio licence.</source>
        <translation>Geben Sie die MMSI dieses Boots aus seiner Funklizenz ein.</translation>
    </message>
    <message>
        <source>MMSI %1 is %2, not a station.</source>
        <translation>Die MMSI %1 ist %2, keine Funkstelle.</translation>
    </message>
    <message>
        <source>Move it to the Group Directory, or correct the MMSI.</source>
        <translation>Verschieben Sie sie ins Gruppenverzeichnis oder berichtigen Sie die MMSI.</translation>
    </message>
    <message>
        <source>MMSI %1 is also Group ID %2.</source>
        <translation>Die MMSI %1 ist auch Gruppen-ID %2.</translation>
    </message>
    <message>
        <source>MMSI %1 is also Memory ID %2.</source>
        <translation>Die MMSI %1 ist auch Speicher-ID %2.</translation>
    </message>
    <message>
        <source>Delete one of the two entries.</source>
        <translation>Löschen Sie einen der beiden Einträge.</translation>
    </message>
    <message>
        <source>MMSI %1 is %2.</source>
        <translation>Die MMSI %1 ist %2.</translation>
    </message>
    <message>
        <source>Correct the MMSI.</source>
        <translation>Berichtigen Sie die MMSI.</translation>
    </message>
    <message>
        <source>Group MMSI %1 is %2.</source>
        <translation>Die Gruppen-MMSI %1 ist %2.</translation>
    </message>
    <message>
        <source>Correct the group MMSI.</source>
        <translation>Berichtigen Sie die Gruppen-MMSI.</translation>
    </message>
    <message>
        <source>The own MMSI %1 has the unknown country code %2.</source>
        <translation>Die eigene MMSI %1 hat die unbekannte Landeskennung %2.</translation>
    </message>
    <message>
        <source>Group MMSI %1 has the unknown country code %2.</source>
        <translation>Die Gruppen-MMSI %1 hat die unbekannte Landeskennung %2.</translation>
    </message>
    <message>
        <source>MMSI %1 has the unknown country code %2.</source>
        <translation>Die MMSI %1 hat die unbekannte Landeskennung %2.</translation>
    </message>
    <message>
        <source>ATIS code %1 has the unknown country code %2.</source>
        <translation>Der ATIS-Code %1 hat die unbekannte Landeskennung %2.</translation>
    </message>
    <message>
        <source>Check the MMSI, digit by digit.</source>
        <translation>Prüfen Sie die MMSI Ziffer für Ziffer.</translation>
    </message>
    <message>
        <source>ATIS code %1 is not 9 + MID + 6 digits.</source>
        <translation>Der ATIS-Code %1 ist nicht 9 + MID + 6 Ziffern.</translation>
    </message>
    <message>
        <source>Use 9 followed by the boat&apos;s MMSI, or the code of its ATIS licence.</source>
        <translation>Verwenden Sie 9, gefolgt von der MMSI des Boots, oder den Code seiner ATIS-Lizenz.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Import Memory IDs</source>
        <translation>Speicher-IDs importieren</translation>
    </message>
    <message>
        <source>Import Group IDs</source>
        <translation>Gruppen-IDs importieren</translation>
    </message>
    <message>
        <source>Import EXP Channels</source>
        <translation>EXP-Kanäle importieren</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Use the Radio&apos;s Values</source>
        <translation>Werte des Funkgeräts übernehmen</translation>
    </message>
    <message>
        <source>Restoring %1.</source>
        <translation>Beim Wiederherstellen von %1.</translation>
    </message>
    <message>
        <source>Restoring %1:</source>
        <translation>Beim Wiederherstellen von %1:</translation>
    </message>
    <message>
        <source>warning: %1: %2. %3.</source>
        <translation>Warnung: %1: %2. %3.</translation>
    </message>
    <message>
        <source>error: %1: %2. %3.</source>
        <translation>Fehler: %1: %2. %3.</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Receive frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Transmit frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>%1 has the priority channel %2, which is no channel of the group.</source>
        <translation>%1 hat den Prioritätskanal %2, der kein Kanal der Gruppe ist.</translation>
    </message>
    <message>
        <source>The priority channel CH%1 of %2 is not switched on in the group.</source>
        <translation>Der Prioritätskanal CH%1 von %2 ist in der Gruppe nicht eingeschaltet.</translation>
    </message>
    <message>
        <source>%1 holds %2, which is none of its %3 choices.</source>
        <translation>%1 enthält %2, keinen seiner %3 Werte.</translation>
    </message>
    <message>
        <source>DSC is switched on for %1, but there is no own MMSI.</source>
        <translation>DSC ist für %1 eingeschaltet, aber es gibt keine eigene MMSI.</translation>
    </message>
    <message>
        <source>ATIS is switched on for %1, but there is no ATIS code.</source>
        <translation>ATIS ist für %1 eingeschaltet, aber es gibt keinen ATIS-Code.</translation>
    </message>
    <message>
        <source>MMSI %1 has no name.</source>
        <translation>MMSI %1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>%1 %2 MHz is outside 137-174 MHz, which the radio cannot tune.</source>
        <translation>%1 %2 MHz liegt außerhalb von 137-174 MHz, das Funkgerät kann sie nicht einstellen.</translation>
    </message>
    <message>
        <source>%1 %2 MHz is off the 25 kHz raster, which the radio cannot tune.</source>
        <translation>%1 %2 MHz liegt nicht im 25-kHz-Raster, das Funkgerät kann sie nicht einstellen.</translation>
    </message>
    <message>
        <source>%1 is that of channel %2, kept for distress and DSC.</source>
        <translation>%1 ist die von Kanal %2, der für Notrufe und DSC freigehalten wird.</translation>
    </message>
    <message>
        <source>%1 %2 becomes %3 in the radio.</source>
        <translation>%1 %2 wird im Funkgerät zu %3.</translation>
    </message>
    <message>
        <source>%1 = %2 does not fit the radio: Program to Radio and convert refuse the data.</source>
        <translation>%1 = %2 passt nicht ins Funkgerät: Ins Funkgerät schreiben und Umwandeln lehnen die Daten ab.</translation>
    </message>
    <message>
        <source>Choose a priority channel of %1.</source>
        <translation>Wählen Sie einen Prioritätskanal von %1.</translation>
    </message>
    <message>
        <source>Switch channel %1 on, or choose another priority channel.</source>
        <translation>Schalten Sie Kanal %1 ein oder wählen Sie einen anderen Prioritätskanal.</translation>
    </message>
    <message>
        <source>Choose one of the %1 choices.</source>
        <translation>Wählen Sie einen der Werte für %1.</translation>
    </message>
    <message>
        <source>Type the boat&apos;s MMSI in User MMSI.</source>
        <translation>Geben Sie die MMSI des Bootes unter Eigene MMSI ein.</translation>
    </message>
    <message>
        <source>Type the ATIS code, or take it from the own MMSI.</source>
        <translation>Geben Sie den ATIS-Code ein oder übernehmen Sie ihn aus der eigenen MMSI.</translation>
    </message>
    <message>
        <source>Give the entry a name of at most 11 characters.</source>
        <translation>Geben Sie dem Eintrag einen Namen mit höchstens 11 Zeichen.</translation>
    </message>
    <message>
        <source>Type a frequency from 137 to 174 MHz in steps of 25 kHz.</source>
        <translation>Geben Sie eine Frequenz von 137 bis 174 MHz in 25-kHz-Schritten ein.</translation>
    </message>
    <message>
        <source>Use another frequency for this channel.</source>
        <translation>Verwenden Sie für diesen Kanal eine andere Frequenz.</translation>
    </message>
    <message>
        <source>Use at most %1 characters of 0-9 A-Z a-z - + ( ) . * / , and blank.</source>
        <translation>Verwenden Sie höchstens %1 Zeichen aus 0-9 A-Z a-z - + ( ) . * / , und Leerzeichen.</translation>
    </message>
    <message>
        <source>Type the MMSI again, digits only.</source>
        <translation>Geben Sie die MMSI erneut ein, nur Ziffern.</translation>
    </message>
    <message>
        <source>Type the own MMSI again: 9 digits.</source>
        <translation>Geben Sie die eigene MMSI erneut ein: 9 Ziffern.</translation>
    </message>
    <message>
        <source>Type the ATIS code again: 10 digits.</source>
        <translation>Geben Sie den ATIS-Code erneut ein: 10 Ziffern.</translation>
    </message>
    <message>
        <source>Choose an offset from the list.</source>
        <translation>Wählen Sie eine Zeitverschiebung aus der Liste.</translation>
    </message>
    <message>
        <source>Choose the priority channel again.</source>
        <translation>Wählen Sie den Prioritätskanal erneut.</translation>
    </message>
    <message>
        <source>The channel allows no duplex: the radio keeps it simplex.</source>
        <translation>Der Kanal erlaubt kein Duplex: das Funkgerät lässt ihn auf Simplex.</translation>
    </message>
    <message>
        <source>Set it again on its screen.</source>
        <translation>Stellen Sie es auf seiner Seite erneut ein.</translation>
    </message>
    <message>
        <source>The radio ends the directory at the first entry without an MMSI: give every entry in use an MMSI.</source>
        <translation>Das Funkgerät beendet das Verzeichnis beim ersten Eintrag ohne MMSI: geben Sie jedem benutzten Eintrag eine MMSI.</translation>
    </message>
    <message>
        <source>Switch a channel of the group on, or the group off.</source>
        <translation>Schalten Sie einen Kanal der Gruppe ein oder die Gruppe aus.</translation>
    </message>
    <message>
        <source>Correct the value; the rest of the data is checked once it fits.</source>
        <translation>Korrigieren Sie den Wert; die übrigen Daten werden geprüft, sobald er passt.</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 refused, %5 removed</source>
        <translation>%1 neu, %2 geändert, %3 unverändert, %4 abgelehnt, %5 entfernt</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 unchanged, %4 refused</source>
        <translation>%1 neu, %2 geändert, %3 unverändert, %4 abgelehnt</translation>
    </message>
    <message>
        <source>column %1 appears twice</source>
        <translation>Spalte %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>no column %1</source>
        <translation>keine Spalte %1</translation>
    </message>
    <message>
        <source>columns ignored: %1</source>
        <translation>nicht beachtete Spalten: %1</translation>
    </message>
    <message>
        <source>name missing</source>
        <translation>Name fehlt</translation>
    </message>
    <message>
        <source>name %1 has no character the radio can show</source>
        <translation>Name %1 hat kein Zeichen, das das Funkgerät anzeigen kann</translation>
    </message>
    <message>
        <source>name %1 is stored as %2</source>
        <translation>Name %1 wird als %2 gespeichert</translation>
    </message>
    <message>
        <source>MMSI %1 is also on line %2</source>
        <translation>MMSI %1 steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>position %1 is also on line %2</source>
        <translation>Position %1 steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>%1 is also on line %2</source>
        <translation>%1 steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>beyond the %1 entries of the directory</source>
        <translation>jenseits der %1 Einträge des Verzeichnisses</translation>
    </message>
    <message>
        <source>the directory is full (%1 entries)</source>
        <translation>das Verzeichnis ist voll (%1 Einträge)</translation>
    </message>
    <message>
        <source>low_power cannot be set on %1</source>
        <translation>low_power kann für %1 nicht gesetzt werden</translation>
    </message>
    <message>
        <source>power_up needs low_power</source>
        <translation>power_up braucht low_power</translation>
    </message>
    <message>
        <source>power_up cannot be set on %1</source>
        <translation>power_up kann für %1 nicht gesetzt werden</translation>
    </message>
    <message>
        <source>%1 cannot be duplex</source>
        <translation>%1 kann nicht Duplex sein</translation>
    </message>
    <message>
        <source>scan cannot be set on %1</source>
        <translation>scan kann für %1 nicht gesetzt werden</translation>
    </message>
    <message>
        <source>bank %1 is not USA, INTL or CAN</source>
        <translation>bank %1 ist nicht USA, INTL oder CAN</translation>
    </message>
    <message>
        <source>unknown channel label %1</source>
        <translation>unbekannte Kanalbezeichnung %1</translation>
    </message>
    <message>
        <source>an enabled channel needs a display of 2 characters and a receive frequency</source>
        <translation>ein eingeschalteter Kanal braucht eine Anzeige aus 2 Zeichen und eine Empfangsfrequenz</translation>
    </message>
    <message>
        <source>more than %1 fields</source>
        <translation>mehr als %1 Felder</translation>
    </message>
    <message>
        <source>a quoted field never ends</source>
        <translation>ein Feld in Anführungszeichen endet nie</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>a NUL byte: this is not a text file</source>
        <translation>ein NUL-Byte: dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>byte %1 is text neither in UTF-8 nor in Windows-1252</source>
        <translation>Byte %1 ist weder UTF-8- noch Windows-1252-Text</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>only a header, no rows</source>
        <translation>nur eine Kopfzeile, keine Zeilen</translation>
    </message>
    <message>
        <source>%1 is not 1 or 0</source>
        <translation>%1 ist nicht 1 oder 0</translation>
    </message>
    <message>
        <source>%1 is not a number of MHz</source>
        <translation>%1 ist keine Zahl von MHz</translation>
    </message>
    <message>
        <source>%1 is outside 137 to 174 MHz</source>
        <translation>%1 liegt außerhalb von 137 bis 174 MHz</translation>
    </message>
    <message>
        <source>%1 is off the 25 kHz raster</source>
        <translation>%1 liegt nicht im 25-kHz-Raster</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone or DCS code</source>
        <translation>%1 ist weder CTCSS-Ton noch DCS-Code</translation>
    </message>
    <message>
        <source>%1 is not Narrow or Wide</source>
        <translation>%1 ist nicht Narrow oder Wide</translation>
    </message>
    <message>
        <source>%1 is longer than 3 characters</source>
        <translation>%1 ist länger als 3 Zeichen</translation>
    </message>
    <message>
        <source>%1 has characters the display cannot show</source>
        <translation>%1 hat Zeichen, die die Anzeige nicht darstellen kann</translation>
    </message>
    <message>
        <source>%1 is not 9 digits</source>
        <translation>%1 hat nicht 9 Ziffern</translation>
    </message>
    <message>
        <source>%1 is not 0 and 8 digits</source>
        <translation>%1 ist nicht 0 und 8 Ziffern</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 ist keine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 has a decimal comma, read only in files separated by semicolons; use a point</source>
        <translation>%1 hat ein Dezimalkomma, das nur in Dateien mit Semikolon als Trenner gelesen wird; verwenden Sie einen Punkt</translation>
    </message>
</context>
<context>
    <name>DirectoryEntryScreen</name>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsname</translation>
    </message>
</context>
<context>
    <name>DscAdvancedPages</name>
    <message>
        <source>ALL Clear</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-Protokoll</translation>
    </message>
    <message>
        <source>Clear DSC Log</source>
        <translation>DSC-Protokoll löschen</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Notrufprotokoll</translation>
    </message>
    <message>
        <source>Clear Distress Log</source>
        <translation>Notrufprotokoll löschen</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Clear Individual Directory</source>
        <translation>Einzelverzeichnis löschen</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Clear Group Directory</source>
        <translation>Gruppenverzeichnis löschen</translation>
    </message>
    <message>
        <source>Waypoint Directory</source>
        <translation>Wegpunktverzeichnis</translation>
    </message>
    <message>
        <source>Clear Waypoint Directory</source>
        <translation>Wegpunktverzeichnis löschen</translation>
    </message>
    <message>
        <source>DSC TX Log</source>
        <translation>DSC-Sendeprotokoll</translation>
    </message>
    <message>
        <source>Clear DSC TX Log</source>
        <translation>DSC-Sendeprotokoll löschen</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Ein Klick löscht das Protokoll</translation>
    </message>
</context>
<context>
    <name>DscBasicPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Nutzbare DSC-Kanalgruppen</translation>
    </message>
    <message>
        <source>DSC </source>
        <translation>DSC </translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>MMSI Clear</source>
        <translation>MMSI löschen</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Ein Klick setzt die Zahl der erlaubten Eingaben der eigenen MMSI zurück</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-Tonausgabe</translation>
    </message>
    <message>
        <source> Beep</source>
        <translation> Ton</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Notruf-Widerruf</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Positionsanfrage</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Positionsmeldung</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Notalarm senden</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Empfang: alle Schiffe</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Empfang: Einzelanruf</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Empfang: Gruppenanruf</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Empfang: Gebietsanruf</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Empfang: Positionsanfrage</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Empfang: Positionsmeldung</translation>
    </message>
</context>
<context>
    <name>DscScreen</name>
    <message>
        <source>Basic Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Advanced Setup1</source>
        <translation>Erweitert 1</translation>
    </message>
    <message>
        <source>Advanced Setup2</source>
        <translation>Erweitert 2</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>MMSI Clear</source>
        <translation>MMSI löschen</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menü Einzelbestätigung</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menü Einzelbestätigung mit Nachricht</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menü Bestätigung Positionsanfrage</translation>
    </message>
</context>
<context>
    <name>EditController</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Expor&amp;t</source>
        <translation>Expor&amp;tieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <translation>&amp;Karten drucken...</translation>
    </message>
    <message>
        <source>Export Car&amp;ds as PDF...</source>
        <translation>Karten als PD&amp;F exportieren...</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>aus dem Funkgerät gelesen</translation>
    </message>
    <message>
        <source>&amp;Individual Directory...</source>
        <translation>&amp;Einzelverzeichnis...</translation>
    </message>
    <message>
        <source>&amp;Group Directory...</source>
        <translation>&amp;Gruppenverzeichnis...</translation>
    </message>
    <message>
        <source>E&amp;xpansion Channels...</source>
        <translation>E&amp;rweiterungskanäle...</translation>
    </message>
    <message>
        <source>&amp;Channels...</source>
        <translation>&amp;Kanäle...</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <source>Export Cards as PDF</source>
        <translation>Karten als PDF exportieren</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Showing the backup %1, not saved</source>
        <translation>Anzeige der Sicherung %1, nicht gespeichert</translation>
    </message>
    <message>
        <source>Showing the backup of %1 (%2, %3</source>
        <translation>Anzeige der Sicherung vom %1 (%2, %3</translation>
    </message>
    <message>
        <source>, MMSI %1</source>
        <translation>, MMSI %1</translation>
    </message>
    <message>
        <source>), not saved</source>
        <translation>), nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>FilePlaces</name>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>Dat-Dateien(*.dat);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>Hex-Dateien(*.hex);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Textdateien(*.txt);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-Dateien(*.pdf);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>CSV files(*.csv);;All files(*.*)</source>
        <translation>CSV-Dateien(*.csv);;Alle Dateien(*.*)</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAME</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>KIND · COUNTRY</source>
        <translation>ART · LAND</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GRUPPENNAME</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>KANAL</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>ANZ</translation>
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
        <translation>NIEDRIG</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>SPEICHER</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Show &amp;Backup Folder</source>
        <translation>&amp;Sicherungsordner anzeigen</translation>
    </message>
    <message>
        <source>&amp;About KMT Version</source>
        <translation>&amp;Über KMT Version</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The directory</source>
        <translation>Das Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>the file&apos;s entries become the whole directory</source>
        <translation>die Einträge der Datei werden das ganze Verzeichnis</translation>
    </message>
    <message>
        <source>by MMSI: a known MMSI takes the file&apos;s name, a new one the next free entry</source>
        <translation>nach MMSI: Eine bekannte MMSI erhält den Namen aus der Datei, eine neue den nächsten freien Eintrag</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>Import leaves the refused rows out.</source>
        <translation>Der Import lässt die abgelehnten Zeilen aus.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>The language changes the next time KV508 starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von KV508.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
</context>
<context>
    <name>MmsiRepeatDialog</name>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once. Type it again to confirm.</source>
        <translation>Die meisten Funkgeräte nehmen ihre eigene MMSI nur einmal an. Geben Sie sie zur Bestätigung erneut ein.</translation>
    </message>
    <message>
        <source>Typed first:</source>
        <translation>Zuerst eingegeben:</translation>
    </message>
    <message>
        <source>MMSI again:</source>
        <translation>MMSI erneut:</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>Modell %1</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Ziel</translation>
    </message>
</context>
<context>
    <name>NavTree</name>
    <message>
        <source>[Enable]</source>
        <translation>[Ein]</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Programmierbare Kanäle</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
    <message>
        <source>Memory ID</source>
        <translation>Speicher-ID</translation>
    </message>
    <message>
        <source>Group ID</source>
        <translation>Gruppen-ID</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Other &amp;device...</source>
        <translation>Anderes &amp;Gerät...</translation>
    </message>
    <message>
        <source>Simulated &amp;radio (built in)</source>
        <translation>Simuliertes &amp;Funkgerät (eingebaut)</translation>
    </message>
    <message>
        <source>the simulated radio</source>
        <translation>das simulierte Funkgerät</translation>
    </message>
    <message>
        <source>(built in)</source>
        <translation>(eingebaut)</translation>
    </message>
    <message>
        <source>(not on this computer)</source>
        <translation>(nicht auf diesem Computer)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>radio read</source>
        <translation>aus dem Funkgerät gelesen</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.

You can look at the pages in Print Preview, or save them as a PDF file and print that elsewhere.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.

Sie können die Seiten in der Druckvorschau ansehen oder als PDF-Datei speichern und anderswo drucken.</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Serial device</source>
        <translation>Serielles Gerät</translation>
    </message>
    <message>
        <source>Device path (for example /dev/ttyUSB0):</source>
        <translation>Gerätepfad (zum Beispiel /dev/ttyUSB0):</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>1.Connect the KMT cable between the PC serial port and the radio.</source>
        <translation>1. Verbinden Sie PC und Funkgerät mit dem KMT-Kabel.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2. Halten Sie am Funkgerät [DISTRESS] und [CALL] gedrückt,</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   während Sie es einschalten.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Das Funkgerät zeigt dann PC CONTROL an.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Drücken Sie [OK], um zu beginnen.</translation>
    </message>
</context>
<context>
    <name>UsableScreen</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Erweiterungskanalgruppen</translation>
    </message>
    <message>
        <source>EXP with %1</source>
        <translation>EXP mit %1</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusname</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>höchstens 4 Zeichen.</translation>
    </message>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
</context>
<context>
    <name>WeatherScreen</name>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] ein / [ ] aus.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Höchstens 12 Zeichen</translation>
    </message>
</context>
<context>
    <name>WidgetProps</name>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]: ein- und ausschalten.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]/[Links]/[Rechts]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick],[Eingabe]: zur Einstellungsseite springen.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Nur Ziffern, genau %1 Stellen.</translation>
    </message>
</context>
<context>
    <name>kv508::ui::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Programming software for marine VHF/DSC radios.</source>
        <translation>Programmiersoftware für UKW-Seefunkgeräte mit DSC.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>kv508::ui::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 Hilfe</translation>
    </message>
</context>
<context>
    <name>kv508::ui::MainWindow</name>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serielle Schnittstelle</translation>
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
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Dat&amp;ei drucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Check Settings...</source>
        <translation>Einstellungen &amp;prüfen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Ins Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Aus dem Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>Mit dem Funkgerät &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Test Connection...</source>
        <translation>Verbindung &amp;testen...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
</context>
<context>
    <name>kv508::ui::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Der Text wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kv508::ui::TransferDialog</name>
    <message>
        <source>Save Trace...</source>
        <translation>Mitschnitt speichern...</translation>
    </message>
    <message>
        <source>Save what went over the serial line, for a bug report</source>
        <translation>Speichern, was über die serielle Leitung ging, für eine Fehlermeldung</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Choose the serial port the cable is plugged into</source>
        <translation>Wählen Sie die serielle Schnittstelle, in der das Kabel steckt</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Ready. Press OK to start.</source>
        <translation>Bereit. Drücken Sie OK zum Starten.</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Anschluss: %1</translation>
    </message>
</context>
</TS>
