<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Choice</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Fecha concreta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>U.K. (dd/mm/yy)</source>
        <translation>R. Unido (dd/mm/aa)</translation>
    </message>
    <message>
        <source>U.S. (mm/dd/yy)</source>
        <translation>EE. UU. (mm/dd/aa)</translation>
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
La alarma de las %1 del %2
con el texto:
«%3»
se ha borrado.
</translation>
    </message>
</context>
<context>
    <name>Date label</name>
    <message>
        <source>Day of month:</source>
        <translation>Día del mes:</translation>
    </message>
    <message>
        <source>Week in month:</source>
        <translation>Semana del mes:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Desde:</translation>
    </message>
</context>
<context>
    <name>Day of month</name>
    <message>
        <source>1st</source>
        <translation>1</translation>
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
        <translation>Día %1 de cada mes</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Cada %1</translation>
    </message>
    <message>
        <source>Fortnightly from %1</source>
        <translation>Quincenal desde el %1</translation>
    </message>
    <message>
        <source>Fort. from %1</source>
        <translation>Quinc. desde %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Tockmere</source>
        <translation>Tockmere</translation>
    </message>
    <message>
        <source>Time and date now</source>
        <translation>Hora y fecha actuales</translation>
    </message>
    <message>
        <source>Set a new Alarm Call:</source>
        <translation>Nueva alarma:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Your Current Alarm Calls:</source>
        <translation>Sus alarmas actuales:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Scroll the alarm calls</source>
        <translation>Desplazar las alarmas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About Tockmere</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tockmere   version %1</source>
        <translation>Tockmere   versión %1</translation>
    </message>
    <message>
        <source>Copyright © the Tockmere authors</source>
        <translation>Copyright © los autores de Tockmere</translation>
    </message>
    <message>
        <source>For more please visit us at</source>
        <translation>Para saber más, visite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Alarm Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarma:</translation>
    </message>
    <message>
        <source>When the alarm goes off</source>
        <translation>Cuándo suena la alarma</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Your alarm call:</source>
        <translation>Su alarma:</translation>
    </message>
    <message>
        <source>Alarm Call font:</source>
        <translation>Fuente de las alarmas:</translation>
    </message>
    <message>
        <source>Alarm call font: %1</source>
        <translation>Fuente de las alarmas: %1</translation>
    </message>
    <message>
        <source>Background colours:</source>
        <translation>Colores de fondo:</translation>
    </message>
    <message>
        <source>One-off:</source>
        <translation>Única:</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Diaria:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Semanal:</translation>
    </message>
    <message>
        <source>Fortnightly:</source>
        <translation>Quincenal:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Mensual:</translation>
    </message>
    <message>
        <source>Tockmere Settings</source>
        <translation>Configuración de Tockmere</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>Sound Alarms:</source>
        <translation>Alarmas con sonido:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Hora de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 type</source>
        <translation>Tipo de la alarma %1</translation>
    </message>
    <message>
        <source>Text of alarm %1</source>
        <translation>Texto de la alarma %1</translation>
    </message>
    <message>
        <source>Clear alarm %1</source>
        <translation>Borrar la alarma %1</translation>
    </message>
    <message>
        <source>Empty row</source>
        <translation>Fila vacía</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Calendario del mes</translation>
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
Para no perderse ninguna de sus alarmas, Tockmere debe estar en marcha
siempre que su PC esté encendido; por eso la instalación lo ha
añadido a los programas que se abren al iniciar la sesión. Si se borra una
alarma única mientras su PC está apagado, recibirá un
mensaje la próxima vez que inicie Tockmere.

Como suele funcionar en segundo plano, Tockmere se inicia
minimizado. Para ver sus alarmas, haga clic en su entrada de
la barra de tareas.

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
Configure sus alarmas con los campos de la izquierda: indique la
	hora y el tipo. El día y la fecha se podrán escribir      
	cuando hagan falta. Haga clic en Añadir.

Sus alarmas actuales aparecen a la derecha: 12 como máximo. Use las flechas de la barra de desplazamiento para
	verlas todas. Para escribir el texto de una alarma, haga clic en su botón
	Texto. Para borrarla, haga clic en su botón Borrar.

Cuando suena una alarma, se abre una ventana que muestra su
	texto.

Puede poner alarmas únicas para hoy, mañana o una fecha concreta;
	y alarmas periódicas: diarias, semanales, quincenales y mensuales.

Para las mensuales indique un día del mes (p. ej. el día 1); o un
	día de la semana y una semana (p. ej. el 2.º martes): elija martes
	como día y escriba 2 en el campo de fecha. Valen las semanas 1 a 4 y
	&apos;Last&apos; (la última).

Para las quincenales indique una fecha de inicio (consulte el Calendario).

En la ventana Configuración puede elegir la fuente y los colores de fondo
	de las ventanas de alarma, y el formato de las fechas. Marque
	Alarmas con sonido para oír un aviso sonoro cuando
	suene una alarma.

</translation>
    </message>
</context>
<context>
    <name>Late alarm</name>
    <message numerus="yes">
        <source>%n d</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>%1, con %2 de retraso</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Tockmere Usage</source>
        <translation>Uso de Tockmere</translation>
    </message>
    <message>
        <source>Tockmere Help</source>
        <translation>Ayuda de Tockmere</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Time must be HH:MM.</source>
        <translation>La hora debe tener el formato HH:MM.</translation>
    </message>
    <message>
        <source>No type selected.</source>
        <translation>No se ha elegido ningún tipo.</translation>
    </message>
    <message>
        <source>No day of week selected.</source>
        <translation>No se ha elegido ningún día de la semana.</translation>
    </message>
    <message>
        <source>No date selected.</source>
        <translation>No se ha elegido ninguna fecha.</translation>
    </message>
    <message>
        <source>No start date selected.</source>
        <translation>No se ha elegido ninguna fecha de inicio.</translation>
    </message>
    <message>
        <source>No day of month selected.</source>
        <translation>No se ha elegido ningún día del mes.</translation>
    </message>
    <message>
        <source>Date must be MM/DD/YY.</source>
        <translation>La fecha debe tener el formato MM/DD/AA.</translation>
    </message>
    <message>
        <source>Date must be DD/MM/YY.</source>
        <translation>La fecha debe tener el formato DD/MM/AA.</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>Fecha no válida.</translation>
    </message>
    <message>
        <source>Invalid date/time.</source>
        <translation>Fecha u hora no válida.</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>Hora no válida.</translation>
    </message>
    <message>
        <source>Invalid day of month.</source>
        <translation>Día del mes no válido.</translation>
    </message>
    <message>
        <source>Invalid week in the month.</source>
        <translation>Semana del mes no válida.</translation>
    </message>
    <message>
        <source>You already have the max of 12 alarms.</source>
        <translation>Ya tiene el máximo de 12 alarmas.</translation>
    </message>
    <message>
        <source>Registry key error.
Could not save settings.</source>
        <translation>Error en la clave del registro.
No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Error al abrir el archivo.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escriba como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Confirm Deletion of this Alarm.</source>
        <translation>Confirme que desea borrar esta alarma.</translation>
    </message>
    <message>
        <source>This alarm has gone off.
 Update ignored.</source>
        <translation>Esta alarma ya ha sonado.
 Cambio descartado.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze %1 minutes</source>
        <translation>Posponer %1 minutos</translation>
    </message>
</context>
<context>
    <name>Week in month</name>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>%1 %2 in the month</source>
        <translation>%1 %2 del mes</translation>
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
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
</context>
<context>
    <name>Weekly</name>
    <message>
        <source>Sundays</source>
        <translation>Los domingos</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Los lunes</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Los martes</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Los miércoles</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Los jueves</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Los viernes</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Los sábados</translation>
    </message>
</context>
</TS>
