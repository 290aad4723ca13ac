<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Choice</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>U.K. (dd/mm/yy)</source>
        <translation>GB (TT/MM/JJ)</translation>
    </message>
    <message>
        <source>U.S. (mm/dd/yy)</source>
        <translation>USA (MM/TT/JJ)</translation>
    </message>
</context>
<context>
    <name>Cleared notice</name>
    <message>
        <source>
The Alarm Call for %1 on %2
with text:
&apos;%3&apos;
has been cleared.
</source>
        <translation>
Der Weckruf um %1 am %2
mit dem Text:
&apos;%3&apos;
wurde gelöscht.
</translation>
    </message>
</context>
<context>
    <name>Date label</name>
    <message>
        <source>Day of month:</source>
        <translation>Tag im Monat:</translation>
    </message>
    <message>
        <source>Week in month:</source>
        <translation>Woche im Monat:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Ab Datum:</translation>
    </message>
</context>
<context>
    <name>Day of month</name>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9.</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10.</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11.</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12.</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13.</translation>
    </message>
    <message>
        <source>14th</source>
        <translation>14.</translation>
    </message>
    <message>
        <source>15th</source>
        <translation>15.</translation>
    </message>
    <message>
        <source>16th</source>
        <translation>16.</translation>
    </message>
    <message>
        <source>17th</source>
        <translation>17.</translation>
    </message>
    <message>
        <source>18th</source>
        <translation>18.</translation>
    </message>
    <message>
        <source>19th</source>
        <translation>19.</translation>
    </message>
    <message>
        <source>20th</source>
        <translation>20.</translation>
    </message>
    <message>
        <source>21st</source>
        <translation>21.</translation>
    </message>
    <message>
        <source>22nd</source>
        <translation>22.</translation>
    </message>
    <message>
        <source>23rd</source>
        <translation>23.</translation>
    </message>
    <message>
        <source>24th</source>
        <translation>24.</translation>
    </message>
    <message>
        <source>25th</source>
        <translation>25.</translation>
    </message>
    <message>
        <source>26th</source>
        <translation>26.</translation>
    </message>
    <message>
        <source>27th</source>
        <translation>27.</translation>
    </message>
    <message>
        <source>28th</source>
        <translation>28.</translation>
    </message>
    <message>
        <source>29th</source>
        <translation>29.</translation>
    </message>
    <message>
        <source>30th</source>
        <translation>30.</translation>
    </message>
    <message>
        <source>31st</source>
        <translation>31.</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 of the month</source>
        <translation>%1 jeden Monats</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Jeden %1</translation>
    </message>
    <message>
        <source>Fortnightly from %1</source>
        <translation>Zweiwöchentlich ab %1</translation>
    </message>
    <message>
        <source>Fort. from %1</source>
        <translation>14-tägl. ab %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Tockmere</source>
        <translation>Tockmere</translation>
    </message>
    <message>
        <source>Time and date now</source>
        <translation>Uhrzeit und Datum jetzt</translation>
    </message>
    <message>
        <source>Set a new Alarm Call:</source>
        <translation>Neuer Weckruf:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Your Current Alarm Calls:</source>
        <translation>Ihre Weckrufe:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Scroll the alarm calls</source>
        <translation>Durch die Weckrufe blättern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About Tockmere</source>
        <translation>Über Tockmere</translation>
    </message>
    <message>
        <source>Tockmere   version %1</source>
        <translation>Tockmere   Version %1</translation>
    </message>
    <message>
        <source>Copyright © the Tockmere authors</source>
        <translation>Copyright © die Tockmere-Autoren</translation>
    </message>
    <message>
        <source>For more please visit us at</source>
        <translation>Mehr finden Sie unter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm Text</source>
        <translation>Wecktext</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Weckruf:</translation>
    </message>
    <message>
        <source>When the alarm goes off</source>
        <translation>Wann der Weckruf kommt</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your alarm call:</source>
        <translation>Ihr Weckruf:</translation>
    </message>
    <message>
        <source>Alarm Call font:</source>
        <translation>Schrift der Weckrufe:</translation>
    </message>
    <message>
        <source>Alarm call font: %1</source>
        <translation>Schrift der Weckrufe: %1</translation>
    </message>
    <message>
        <source>Background colours:</source>
        <translation>Hintergrundfarben:</translation>
    </message>
    <message>
        <source>One-off:</source>
        <translation>Einmalig:</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Täglich:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Wöchentlich:</translation>
    </message>
    <message>
        <source>Fortnightly:</source>
        <translation>Zweiwöchentlich:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Monatlich:</translation>
    </message>
    <message>
        <source>Tockmere Settings</source>
        <translation>Tockmere-Einstellungen</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>Sound Alarms:</source>
        <translation>Weckrufe mit Ton:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Zeit von Weckruf %1</translation>
    </message>
    <message>
        <source>Alarm %1 type</source>
        <translation>Art von Weckruf %1</translation>
    </message>
    <message>
        <source>Text of alarm %1</source>
        <translation>Text von Weckruf %1</translation>
    </message>
    <message>
        <source>Clear alarm %1</source>
        <translation>Weckruf %1 löschen</translation>
    </message>
    <message>
        <source>Empty row</source>
        <translation>Leere Zeile</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Monatskalender</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>
So as not to miss any of your alarms Tockmere should run
whenever your PC is on, a short-cut has therefore been added
to your Start-up menu by the installation routine. If a one-off
alarm is cleared whilst your PC is turned off you will receive a
message on next starting Tockmere.

Since it normally runs in the background Tockmere starts up
minimized. To view your alarms just click on the toolbar item
to restore it.

</source>
        <translation>
Damit Sie keinen Ihrer Weckrufe verpassen, sollte Tockmere laufen,
solange Ihr PC eingeschaltet ist; deshalb hat die Installation eine
Verknüpfung in Ihr Autostart-Menü eingetragen. Wird ein einmaliger
Weckruf gelöscht, während Ihr PC ausgeschaltet ist, erhalten Sie beim
nächsten Start von Tockmere eine Meldung.

Da Tockmere normalerweise im Hintergrund läuft, startet es
minimiert. Um Ihre Weckrufe zu sehen, klicken Sie einfach auf seinen
Eintrag in der Taskleiste.

</translation>
    </message>
    <message>
        <source>
Set up your alarm calls using the boxes on the left: You must enter the
	wake-up Time and Type. Day and Date will be made enterable      
	when required. Click Add.

Your current alarm calls are listed on the right: The maximum is 12. Use the scroll bar buttons to see
	them all. To enter wake-up text for an alarm click on its Text
	button. To delete an alarm click its Clear button.

When an alarm goes off a window automatically pops up displaying your
	wake-up text.

You can set one-off alarm calls for Today, Tomorrow or a specific date;
	and regular alarm calls; Daily, Weekly, Fortnightly and Monthly.

For Monthly calls you can specify a date in the month - eg the 1st; or a
	day and week number - e.g. the 2nd Tuesday; select Tuesday
	as Day and enter 2 in the Date field. Weeks up to 4 or
	&apos;Last&apos; are valid.

For Fortnightly calls you must specify a start date (check the Calendar).

On the Settings window you can choose the Font and Background Colours
	of the alarm pop-ups; plus the Format of the date fields. Check
	the Sound Alarms box to get a Windows sound effect when an
	alarm goes off.

</source>
        <translation>
Richten Sie Ihre Weckrufe mit den Feldern links ein: Geben Sie die
	Weckzeit und die Art ein. Tag und Datum werden bei Bedarf      
	eingebbar. Klicken Sie auf Hinzufügen.

Ihre Weckrufe stehen rechts: Es sind höchstens 12. Mit den Pfeilen der Bildlaufleiste sehen Sie
	alle. Um den Wecktext eines Weckrufs einzugeben, klicken Sie auf seine
	Schaltfläche Text. Zum Löschen klicken Sie auf seine Schaltfläche Löschen.

Kommt ein Weckruf, öffnet sich von selbst ein Fenster mit Ihrem
	Wecktext.

Einmalige Weckrufe gibt es für Heute, Morgen oder ein festes Datum;
	regelmäßige Weckrufe täglich, wöchentlich, zweiwöchentlich und monatlich.

Für monatliche Weckrufe geben Sie einen Tag im Monat an - z. B. den 1.; oder
	einen Wochentag und eine Woche - z. B. den 2. Dienstag: Wählen Sie
	Dienstag als Tag und geben Sie 2 in das Datumsfeld ein. Gültig sind die
	Wochen 1 bis 4 und &apos;Last&apos; (die letzte).

Für zweiwöchentliche Weckrufe geben Sie ein Startdatum an (siehe Kalender).

Im Fenster Einstellungen wählen Sie die Schrift und die Hintergrundfarben
	der Weckruf-Fenster sowie das Format der Datumsfelder. Kreuzen Sie
	Weckrufe mit Ton an, wenn beim Weckruf ein Warnton
	erklingen soll.

</translation>
    </message>
</context>
<context>
    <name>Late alarm</name>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <translation>
            <numerusform>%n Std.</numerusform>
            <numerusform>%n Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 late</source>
        <translation>%1, %2 zu spät</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Gebrauch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über Tockmere...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Tockmere Usage</source>
        <translation>Gebrauch von Tockmere</translation>
    </message>
    <message>
        <source>Tockmere Help</source>
        <translation>Tockmere-Hilfe</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Time must be HH:MM.</source>
        <translation>Die Zeit muss die Form HH:MM haben.</translation>
    </message>
    <message>
        <source>No type selected.</source>
        <translation>Keine Art gewählt.</translation>
    </message>
    <message>
        <source>No day of week selected.</source>
        <translation>Kein Wochentag gewählt.</translation>
    </message>
    <message>
        <source>No date selected.</source>
        <translation>Kein Datum gewählt.</translation>
    </message>
    <message>
        <source>No start date selected.</source>
        <translation>Kein Startdatum gewählt.</translation>
    </message>
    <message>
        <source>No day of month selected.</source>
        <translation>Kein Tag im Monat gewählt.</translation>
    </message>
    <message>
        <source>Date must be MM/DD/YY.</source>
        <translation>Das Datum muss die Form MM/TT/JJ haben.</translation>
    </message>
    <message>
        <source>Date must be DD/MM/YY.</source>
        <translation>Das Datum muss die Form TT/MM/JJ haben.</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>Ungültiges Datum.</translation>
    </message>
    <message>
        <source>Invalid date/time.</source>
        <translation>Ungültiges Datum oder ungültige Zeit.</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>Ungültige Zeit.</translation>
    </message>
    <message>
        <source>Invalid day of month.</source>
        <translation>Ungültiger Tag im Monat.</translation>
    </message>
    <message>
        <source>Invalid week in the month.</source>
        <translation>Ungültige Woche im Monat.</translation>
    </message>
    <message>
        <source>You already have the max of 12 alarms.</source>
        <translation>Sie haben schon die Höchstzahl von 12 Weckrufen.</translation>
    </message>
    <message>
        <source>Registry key error.
Could not save settings.</source>
        <translation>Fehler im Registrierungsschlüssel.
Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Confirm Deletion of this Alarm.</source>
        <translation>Diesen Weckruf wirklich löschen?</translation>
    </message>
    <message>
        <source>This alarm has gone off.
 Update ignored.</source>
        <translation>Dieser Weckruf ist schon gekommen.
 Die Änderung wird verworfen.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Snooze %1 minutes</source>
        <translation>%1 Minuten schlummern</translation>
    </message>
</context>
<context>
    <name>Week in month</name>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>%1 %2 in the month</source>
        <translation>%1 %2 im Monat</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>Weekly</name>
    <message>
        <source>Sundays</source>
        <translation>Sonntags</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Montags</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Dienstags</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Mittwochs</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Donnerstags</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Freitags</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Samstags</translation>
    </message>
</context>
</TS>
