<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Choice</name>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U.K. (dd/mm/yy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U.S. (mm/dd/yy)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Date label</name>
    <message>
        <source>Day of month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week in month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Day of month</name>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31st</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnightly from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fort. from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tockmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and date now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a new Alarm Call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Current Alarm Calls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the alarm calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tockmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tockmere   version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © the Tockmere authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more please visit us at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the alarm goes off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your alarm call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Call font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm call font: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnightly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tockmere Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Alarms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text of alarm %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear alarm %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Late alarm</name>
    <message numerus="yes">
        <source>%n d</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 late</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Time must be HH:MM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No type selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No day of week selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No date selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No start date selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No day of month selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date must be MM/DD/YY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date must be DD/MM/YY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date/time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid day of month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid week in the month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have the max of 12 alarms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry key error.
Could not save settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Week in month</name>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 in the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Weekly</name>
    <message>
        <source>Sundays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
