<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Choice</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Tous les 15 jours</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Date précise</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>U.K. (dd/mm/yy)</source>
        <translation>R.-U. (jj/mm/aa)</translation>
    </message>
    <message>
        <source>U.S. (mm/dd/yy)</source>
        <translation>É.-U. (mm/jj/aa)</translation>
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
L&apos;alarme de %1 du %2
avec le texte :
« %3 »
a été supprimée.
</translation>
    </message>
</context>
<context>
    <name>Date label</name>
    <message>
        <source>Day of month:</source>
        <translation>Jour du mois :</translation>
    </message>
    <message>
        <source>Week in month:</source>
        <translation>Semaine du mois :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>À partir du :</translation>
    </message>
</context>
<context>
    <name>Day of month</name>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14th</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15th</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16th</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17th</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18th</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19th</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20th</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21st</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22nd</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23rd</source>
        <translation>23</translation>
    </message>
    <message>
        <source>24th</source>
        <translation>24</translation>
    </message>
    <message>
        <source>25th</source>
        <translation>25</translation>
    </message>
    <message>
        <source>26th</source>
        <translation>26</translation>
    </message>
    <message>
        <source>27th</source>
        <translation>27</translation>
    </message>
    <message>
        <source>28th</source>
        <translation>28</translation>
    </message>
    <message>
        <source>29th</source>
        <translation>29</translation>
    </message>
    <message>
        <source>30th</source>
        <translation>30</translation>
    </message>
    <message>
        <source>31st</source>
        <translation>31</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>%1 of the month</source>
        <translation>Le %1 du mois</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Chaque %1</translation>
    </message>
    <message>
        <source>Fortnightly from %1</source>
        <translation>Tous les 15 jours dès le %1</translation>
    </message>
    <message>
        <source>Fort. from %1</source>
        <translation>15 jours dès %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Tockmere</source>
        <translation>Tockmere</translation>
    </message>
    <message>
        <source>Time and date now</source>
        <translation>Heure et date actuelles</translation>
    </message>
    <message>
        <source>Set a new Alarm Call:</source>
        <translation>Nouvelle alarme :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Your Current Alarm Calls:</source>
        <translation>Vos alarmes actuelles :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Scroll the alarm calls</source>
        <translation>Faire défiler les alarmes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Tockmere</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tockmere   version %1</source>
        <translation>Tockmere   version %1</translation>
    </message>
    <message>
        <source>Copyright © the Tockmere authors</source>
        <translation>Copyright © les auteurs de Tockmere</translation>
    </message>
    <message>
        <source>For more please visit us at</source>
        <translation>Pour en savoir plus, voyez</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm Text</source>
        <translation>Texte de l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarme :</translation>
    </message>
    <message>
        <source>When the alarm goes off</source>
        <translation>Quand l&apos;alarme sonne</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your alarm call:</source>
        <translation>Votre alarme :</translation>
    </message>
    <message>
        <source>Alarm Call font:</source>
        <translation>Police des alarmes :</translation>
    </message>
    <message>
        <source>Alarm call font: %1</source>
        <translation>Police des alarmes : %1</translation>
    </message>
    <message>
        <source>Background colours:</source>
        <translation>Couleurs de fond :</translation>
    </message>
    <message>
        <source>One-off:</source>
        <translation>Ponctuelle :</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Quotidienne :</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Hebdomadaire :</translation>
    </message>
    <message>
        <source>Fortnightly:</source>
        <translation>Tous les 15 jours :</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Mensuelle :</translation>
    </message>
    <message>
        <source>Tockmere Settings</source>
        <translation>Paramètres de Tockmere</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>Sound Alarms:</source>
        <translation>Alarmes sonores :</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Heure de l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 type</source>
        <translation>Type de l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Text of alarm %1</source>
        <translation>Texte de l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Clear alarm %1</source>
        <translation>Effacer l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Empty row</source>
        <translation>Ligne vide</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Calendrier du mois</translation>
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
Pour ne manquer aucune de vos alarmes, Tockmere doit fonctionner
tant que votre PC est allumé ; c&apos;est pourquoi l&apos;installation l&apos;a
ajouté aux programmes lancés au démarrage. Si une alarme ponctuelle
est supprimée pendant que votre PC est éteint, un message vous
en avertit au prochain démarrage de Tockmere.

Comme il fonctionne d&apos;ordinaire en arrière-plan, Tockmere démarre
réduit. Pour voir vos alarmes, cliquez simplement sur son entrée
dans la barre des tâches.

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
Réglez vos alarmes avec les champs de gauche : saisissez
	l&apos;heure du réveil et le type. Le jour et la date deviennent modifiables      
	au besoin. Cliquez sur Ajouter.

Vos alarmes actuelles sont listées à droite : 12 au maximum. Utilisez les flèches de la barre de défilement pour
	les voir toutes. Pour saisir le texte d&apos;une alarme, cliquez sur son bouton
	Texte. Pour la supprimer, cliquez sur son bouton Effacer.

Quand une alarme sonne, une fenêtre s&apos;ouvre et affiche votre
	texte de réveil.

Vous pouvez régler des alarmes ponctuelles pour aujourd&apos;hui, demain ou une date précise ;
	et des alarmes régulières : quotidiennes, hebdomadaires, tous les 15 jours et mensuelles.

Pour une alarme mensuelle, indiquez un jour du mois (par ex. le 1er) ; ou un
	jour de la semaine et un numéro de semaine (par ex. le 2e mardi) : choisissez mardi
	comme jour et saisissez 2 dans le champ de date. Les semaines 1 à 4 et
	&apos;Last&apos; (la dernière) sont valides.

Pour une alarme tous les 15 jours, indiquez une date de début (voyez le Calendrier).

Dans la fenêtre Paramètres, choisissez la police et les couleurs de fond
	des fenêtres d&apos;alarme, ainsi que le format des dates. Cochez
	Alarmes sonores pour entendre un son d&apos;avertissement quand une
	alarme sonne.

</translation>
    </message>
</context>
<context>
    <name>Late alarm</name>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <translation>
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 late</source>
        <translation>%1, %2 de retard</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Tockmere Usage</source>
        <translation>Utilisation de Tockmere</translation>
    </message>
    <message>
        <source>Tockmere Help</source>
        <translation>Aide de Tockmere</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Time must be HH:MM.</source>
        <translation>L&apos;heure doit être au format HH:MM.</translation>
    </message>
    <message>
        <source>No type selected.</source>
        <translation>Aucun type choisi.</translation>
    </message>
    <message>
        <source>No day of week selected.</source>
        <translation>Aucun jour de la semaine choisi.</translation>
    </message>
    <message>
        <source>No date selected.</source>
        <translation>Aucune date choisie.</translation>
    </message>
    <message>
        <source>No start date selected.</source>
        <translation>Aucune date de début choisie.</translation>
    </message>
    <message>
        <source>No day of month selected.</source>
        <translation>Aucun jour du mois choisi.</translation>
    </message>
    <message>
        <source>Date must be MM/DD/YY.</source>
        <translation>La date doit être au format MM/JJ/AA.</translation>
    </message>
    <message>
        <source>Date must be DD/MM/YY.</source>
        <translation>La date doit être au format JJ/MM/AA.</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>Date non valide.</translation>
    </message>
    <message>
        <source>Invalid date/time.</source>
        <translation>Date ou heure non valide.</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>Heure non valide.</translation>
    </message>
    <message>
        <source>Invalid day of month.</source>
        <translation>Jour du mois non valide.</translation>
    </message>
    <message>
        <source>Invalid week in the month.</source>
        <translation>Semaine du mois non valide.</translation>
    </message>
    <message>
        <source>You already have the max of 12 alarms.</source>
        <translation>Vous avez déjà le maximum de 12 alarmes.</translation>
    </message>
    <message>
        <source>Registry key error.
Could not save settings.</source>
        <translation>Erreur de clé de registre.
Impossible d&apos;enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Erreur à l&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Confirm Deletion of this Alarm.</source>
        <translation>Confirmez la suppression de cette alarme.</translation>
    </message>
    <message>
        <source>This alarm has gone off.
 Update ignored.</source>
        <translation>Cette alarme a déjà sonné.
 Modification ignorée.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Snooze %1 minutes</source>
        <translation>Répéter dans %1 minutes</translation>
    </message>
</context>
<context>
    <name>Week in month</name>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>%1 %2 in the month</source>
        <translation>%1 %2 du mois</translation>
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
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
</context>
<context>
    <name>Weekly</name>
    <message>
        <source>Sundays</source>
        <translation>Le dimanche</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Le lundi</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Le mardi</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Le mercredi</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Le jeudi</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Le vendredi</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Le samedi</translation>
    </message>
</context>
</TS>
