#include "info/helptopics.h"

#include <QtGlobal>

#include <array>

namespace info {

namespace {

// Texts that more than one entry of the table shows.
constexpr const char *ShortcutIcons = QT_TRANSLATE_NOOP(
    "HelpTopics", "In the upper left corner of the main program screen are shortcut icons.\n"
                  "  * OPEN FOLDER - opens the database screen.\n"
                  "  * PRINTER WITH PAPER (paper shows centered text) - prints a cover sheet.\n"
                  "  * PRINTER WITH PAPER (paper shows sine wave pattern) - prints a chart.\n"
                  "  * PRINTER WITH 2-SHEETS OF PAPER - prints a cover sheet and a chart.\n"
                  "  * COMPUTER SCREEN FILLED - prints chart to screen.\n"
                  "  * COMPUTER SCREEN EMPTY - clears the PRINT TO SCREEN window.\n"
                  "  * FOUR BLANK TEXT BOXES - clears all the text boxes on the left side of the screen.\n"
                  "  * THREE CURVES (red, blue and green) - shows the chart as a graph of the three cycles.\n"
                  "Rest the mouse on an icon to see what it does and its shortcut key.");

constexpr const char *DesktopIcon = QT_TRANSLATE_NOOP(
    "HelpTopics",
    "The program does not automatically install an icon on your desktop.  Installed from its "
    "package, Tidemark is in your desktop's menu of applications, under Office, and most desktops "
    "let you add it to the desktop or a panel from there.  Built from its source folder, the program "
    "is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to "
    "build it); add a launcher for that file with your desktop's own menu or launcher editor.");

constexpr const char *PrintWhatIs = QT_TRANSLATE_NOOP(
    "HelpTopics",
    "To print 'WHAT IS A BIORHYTHM' to printer, from the pull-down menu select 'HELP,' and then "
    "select 'PRINT WHAT IS A BIORHYTHM.'  You may also click the 'PRINT' button at the top of the "
    "'WHAT IS A BIORHYTHM' window.\n\n"
    "This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With "
    "'DOT-MATRIX PRINTER' selected, or with Courier chosen, it prints in Courier in even columns.  "
    "When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.");

constexpr std::array<HelpTopic, 49> Topics{{
    {QT_TRANSLATE_NOOP("HelpTopics", "COVER SHEET"),
     QT_TRANSLATE_NOOP("HelpTopics",
                       "The cover sheet contains information about the user and the chart, including:\n"
                       "  * user's name\n"
                       "  * a lead-in line that is optional and editable (see topic for more info)\n"
                       "  * four more editable lines (use for name/address, etc.  See topic for more info.)\n"
                       "  * user's birthdate\n"
                       "  * day of week born\n"
                       "  * astrological sign\n"
                       "  * age in years\n"
                       "  * age in days\n"
                       "  * length of chart\n"
                       "  * chart starting date\n"
                       "  * chart ending date\n"
                       "  * an explanation of the symbols used on the chart\n"
                       "  * a disclaimer")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Lead-in message"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The lead-in message at the top of the cover sheet is optional.  When there is one, it is "
         "printed centered under the user's name.\n\n"
         "To choose one, click the arrow of the 'LEAD-IN' box in the 'COVER SHEET HEADING' area and "
         "pick one of the seven lines offered, or click inside the box and type a line of your own.  "
         "To leave it off, click the '<< CLEAR' button beside it.\n\n"
         "The lead-in is saved when you exit the program and is there again the next time you start it.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Name & address message"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The name & address message at the top of the cover sheet is optional.  It is made of the "
         "four lines 'LINE 1' to 'LINE 4' of the 'COVER SHEET HEADING' area.\n\n"
         "Type in them whatever should follow the lead-in, for example your name, street, town and "
         "e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  "
         "The '<< CLEAR' button beside a line empties it.\n\n"
         "The lines are saved when you exit the program.  When 'LINE 1' is filled in, they also print "
         "at the bottom of the 'WHAT IS A BIORHYTHM' sheet.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "DATABASE"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The database is used to store frequently used names and birthdates.  It is kept in the file "
         "bioname.dat in Tidemark's data folder, .local/share/Tidemark in your home folder, and it "
         "lists the names in alphabetical order.  Picking a name from it fills in the 'NAME' and "
         "'BIRTHDATE' boxes for you; see the topics that follow.  A name is saved in the file the moment "
         "you add or delete it, so two copies of Tidemark open at the same time keep each other's "
         "names.  The settings (the cover sheet heading, the printer settings and the chart "
         "preferences) are saved when a copy exits, so the copy that exits last keeps its settings.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Adding a name to the database"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "With your mouse, select 'FILE' from the top pull-down menu.\n\n"
         "From the 'FILE' menu select 'OPEN DATABASE.'  The name database window opens in the middle of "
         "the screen.\n\n"
         "Type the name in the 'NAME' box, for example Firstname Lastname.  A name may hold any letters "
         "but not a double quote (\").\n\n"
         "Type the birthdate in the 'BIRTHDATE' box as eight digits, MMDDYYYY, without dashes: March 9, "
         "1975 would be 03091975.\n\n"
         "Click the 'ADD THIS ENTRY' button.  The name is saved at once and shows in the list in "
         "alphabetical order.  Add as many names as you like, then click 'CLOSE DATABASE.'\n\n"
         "(Optional: open the database from the keyboard by pressing and holding down the 'CTRL' key "
         "and pressing the 'O' key, or use the 'SHORTCUT' key.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Deleting a name from the database"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "With your mouse, select 'FILE' from the pull-down menu.\n\n"
         "From the 'FILE' menu select 'OPEN DATABASE.'\n\n"
         "Click the name you want to delete in the list, so that it shows in the 'SELECTED NAME' box, "
         "then click the 'DELETE THIS NAME' button.  The name is removed at once; you are not asked to "
         "confirm it.\n\n"
         "(Only one name can be selected and deleted at a time.  A deleted name can be put back: click "
         "in the list, then press and hold down the 'CTRL' key and press the 'Z' key.  Each press puts "
         "back one more name, the one deleted last first, where it was in the file, as long as the "
         "program runs.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Using a name from the database"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "With your mouse, select 'FILE' from the top pull-down menu.\n\n"
         "From the 'FILE' menu select 'OPEN DATABASE,' then click the name you want in the list, so "
         "that it shows in the 'SELECTED NAME' box.\n\n"
         "Click the 'USE THIS NAME' button.  The database window closes, the name and birthdate go into "
         "the 'NAME' and 'BIRTHDATE' boxes, the other facts are filled in, and the cursor waits in the "
         "'LENGTH OF CHART IN DAYS' box.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "DISPLAY CHART TO SCREEN"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Select 'FILE' from the top pull-down menu.  'Display Chart to Screen' allows you to display a "
         "continuous chart and scroll it forward or backwards.\n\n"
         "The chart is made from the name, birthdate, starting date and length of chart on the left "
         "side of the screen and from your 'CHART PREFERENCES.'  While it shows, the menus and the "
         "other icons are put aside; click 'CLOSE THIS WINDOW' at the top right, or the 'COMPUTER "
         "SCREEN EMPTY' icon, or press the 'ESC' key, to close it.  The arrow and page keys move "
         "through the chart; with the 'SHIFT' key held down they select, and 'CTRL' and 'C' copy what "
         "is selected ('CTRL' and 'A' selects the whole chart).")},
    {QT_TRANSLATE_NOOP("HelpTopics", "CHART PREFERENCES"),
     QT_TRANSLATE_NOOP("HelpTopics", "See the category 'PRINTER SETTINGS.'")},
    {QT_TRANSLATE_NOOP("HelpTopics", "DEFAULT SETTINGS"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "With your mouse, select 'EDIT' from the top pull-down menu.  From the 'EDIT' menu select "
         "'DEFAULT SETTINGS.'  All settings will return to 'factory' settings.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "E-MAIL HELP"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "In the event your answer does not appear in this help file, you may send an e-mail and we'll "
         "try to get you an answer to your problem, or you may write to the address below.\n\n"
         "Please be specific about your problem: say what you were doing, which menu item or button "
         "you used, and what you saw (copy the words of any message).  Tell us the version shown in "
         "'ABOUT TIDEMARK' on the 'HELP' menu and the system you run it on.\n\n"
         "E-mail: support@example.com\n\n"
         "Your Company\n"
         "123 Any Street\n"
         "Anytown, ST 00000")},
    {QT_TRANSLATE_NOOP("HelpTopics", "ICONS"), ShortcutIcons},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Desktop icon"), DesktopIcon},
    {QT_TRANSLATE_NOOP("HelpTopics", "INSTALLING AN UPDATE/UPGRADE"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When you are ready to install a newer version of the program onto your computer, you need to "
         "first un-install the program currently on your computer.  Installed from its package, Tidemark "
         "is removed with your system's package manager (apt-get remove tidemark); built from its source "
         "folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark's "
         "data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts "
         "with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by "
         "themselves).  Then install the new version's package with the package manager, or put its "
         "source folder in place of the old one, open a terminal in it, and build and start the program "
         "with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, "
         "libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system's package manager "
         "installs.  (To make the package itself instead, run 'cpack -G DEB' in the build folder and "
         "install the file it writes with 'apt-get install ./tidemark_*.deb'.)\n"
         "  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release\n"
         "  * cmake --build build --target tidemark\n"
         "  * build/src/app/tidemark")},
    {QT_TRANSLATE_NOOP("HelpTopics", "LENGTH OF CHART"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The length of the printed chart can be any amount of days.  Type the number of days in the "
         "'LENGTH OF CHART IN DAYS' box and the 'ENDING DATE OF CHART' box fills itself in.  A long "
         "chart simply runs onto more pages.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Setting days"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The length of the printed chart is selected by the user.  First make sure that the 'CHART "
         "STARTS' box holds the starting date as MM-DD-YYYY (today's date is put there when the "
         "program starts, and the '<< RESET' button puts it back), then type the number of days in "
         "the 'LENGTH OF CHART IN DAYS' box.\n\n"
         "A new starting date empties the length and the ending date, so type the length again after "
         "changing the starting date.  The length box stays empty until the starting date is complete.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "MANUAL ENTRY"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "On names that you will print charts for on a regular basis, you will probably want to enter "
         "those in the database.  For a name you need only now and then, type the name and birthdate "
         "straight into the 'NAME' and 'BIRTHDATE' boxes of the main program screen, as the topics "
         "that follow describe.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Birthdate"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "At the main program screen, click your mouse cursor inside the 'BIRTHDATE' text box (second "
         "from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed "
         "03-09-1975.  Years from 1500 to 2099 are accepted.\n\n"
         "Once the name and birthdate are entered, the program will automatically fill in other needed "
         "information.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Name"),
     QT_TRANSLATE_NOOP("HelpTopics",
                       "At the main program screen, click your mouse cursor within the 'NAME' text box.\n\n"
                       "Type the name as you want it to appear on the chart and the cover sheet, for example "
                       "Firstname Lastname.  The chart shows the name in capital letters at its top.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "PREFERENCES"),
     QT_TRANSLATE_NOOP("HelpTopics", "See the category 'PRINTER SETTINGS.'  ")},
    {QT_TRANSLATE_NOOP("HelpTopics", "PRINTER SETTINGS"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "There are several choices you can make when setting up to print a chart.  They are in the "
         "'PRINTER SETTINGS' and 'CHART PREFERENCES' areas of the main program screen, and each is "
         "described in a topic below.  Your choices are saved when you exit the program, and 'DEFAULT "
         "SETTINGS' on the 'EDIT' menu puts them back to the factory settings.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Color"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in "
         "a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the "
         "(I)ntellectual cycle in green.  The triple high and low markers print in magenta.\n\n"
         "Color is used only on the printed chart; the screen chart and the cover sheet are black.  A "
         "printer without color prints the colors in black or in shades of gray.  To print in black "
         "only, click the check box until it is blank.\n\n"
         "(Default setting: Print in color = true.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Date"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When the 'CURRENT DATE EACH PAGE' check box is 'checked,' the date on which the chart is "
         "printed appears at the top right of every page, after the words 'DATE PREPARED:'.  Click the "
         "check box until it is blank to leave the date off.\n\n"
         "(Default setting: Print date each page = true.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Font style"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "There are three font types available for your chart and cover sheet.  Pick Arial, Courier or "
         "Times from the 'FONT' list in the 'PRINTER SETTINGS' area, or type the name of another font "
         "installed on your computer.\n\n"
         "The font is used with a laser, inkjet or similar printer; with 'DOT-MATRIX PRINTER' selected, "
         "everything prints in Courier.  Fonts are found by the system's font service (fontconfig): "
         "when Arial, Courier or Times themselves are not installed, their look-alikes are used, such "
         "as the Liberation fonts of the fonts-liberation package.\n\n"
         "(Default setting: Arial type style for laser-style printers, Courier type style for "
         "dot-matrix printers.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Forecast"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When the 'DAILY FORECAST' check box is 'checked,' a three-line forecast will be printed on the "
         "chart for each day that the user's cycle appears.  It gives one sentence for each of the "
         "emotional, physical and intellectual cycles, with one more line first on a triple high, a "
         "triple low or an accident-prone day.  The forecast shows on the screen chart too.\n\n"
         "If you do not want the forecast printed, click the 'DAILY FORECAST' checkbox until the box is "
         "blank.\n\n"
         "(Default setting: Daily Forecast = false.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Holiday messages"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When the 'HOLIDAY MESSAGES' check box is 'checked,' the user will be greeted by a one line "
         "message during certain days of the chart: New Year's Day, Christmas Day, every Friday the "
         "13th and the user's birthday, which also tells the age reached.  The messages show on the "
         "screen chart and on the printed chart.\n\n"
         "(Default setting: Include Holiday messages = true.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Lines per page"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "User may indicate how many lines are desired for each page.  Type the number in the 'NUMBER "
         "OF LINES PER PAGE' box of the 'PRINTER SETTINGS' area, in digits only and without a leading "
         "zero.  The count includes the heading at the top of each page, so with 50 lines and single "
         "spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the "
         "number (see TROUBLE SHOOTING).\n\n"
         "(Default setting: Number of lines per page = 50.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Spacing"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "There are three different settings that affect the spacing of the printed chart.  To select "
         "a setting, click the 'option button' desired.\n\n"
         " * Single space -- use of this setting produces a single spaced chart.\n\n"
         " * Double space -- this setting puts a blank line between each day's printout.  This option "
         "makes the chart easier to read.\n\n"
         " * Double space with lines -- this setting puts a dashed line between each day's printout, "
         "which makes each day easy to follow across the page.\n\n"
         "(Default setting: Double space with lines.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Type of printer"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "For your printer setting, you will only need to select one of two options.  Choose "
         "'DOT-MATRIX PRINTER' for a printer that prints in fixed columns, or 'LASER, INKJET, "
         "BUBBLEJET OR SIMILAR' for any other printer, which covers nearly every printer in use today.  "
         "The choice decides how the lines are placed on the page.\n\n"
         "(Default setting: laser-type printer.)")},
    {QT_TRANSLATE_NOOP("HelpTopics", "PRINTING"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "See the topics that follow this category for details on printing the different forms.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Chart"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When you are ready to print a chart, you may select the 'PRINT CHART' option from the 'FILE' "
         "pull-down menu.  The chart is printed for the name, birthdate, starting date and length of "
         "chart on the main program screen, with your printer settings and chart preferences.\n\n"
         "You may optionally select the desired shortcut icon to print your chart.\n\n"
         "The chart goes to your default printer.  When no printer is set up, the program asks for the "
         "name of a PDF file and prints the chart into it.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Color"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in "
         "a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle "
         "and green for the (I)ntellectual cycle, with the triple high and low markers and the New "
         "Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the "
         "birthday line in red.  The check box is in the 'PRINTER SETTINGS' area; printing in color "
         "takes longer, so clear it when you want a quick chart in black.\n\n"
         "(Default setting: Print in color = true.)")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Cover sheet"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When you are ready to print a cover sheet, you may select the 'PRINT COVER SHEET' option from "
         "the 'FILE' pull-down menu.  The name, birthdate, starting date and length of chart must be "
         "filled in first.\n\n"
         "You may optionally select the desired shortcut icon to print your cover sheet.\n\n"
         "To print the cover sheet and the chart together, select 'PRINT COVER SHEET AND CHART' from "
         "the 'FILE' menu; the cover sheet comes out first.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -What Is A Biorhythm"), PrintWhatIs},
    {QT_TRANSLATE_NOOP("HelpTopics", "RESOLUTION"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The program should work well in any screen resolution on which its whole window fits (see "
         "SCREEN RESOLUTION).  Resolution is changed in your desktop's display settings, for example "
         "Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.\n\n"
         "Tidemark's text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, "
         "1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, "
         "from 8 points on the smallest to 18 points on the largest, and the title of the starting "
         "notice grows with them; on a screen of any other height the text keeps its size (10 points "
         "at the normal text size).  The positions and widths of the boxes and frames follow the "
         "window when it is resized, and the panels it opens over itself take their size from it.\n\n"
         "The 'VIEW' menu makes all the text of the window, the chart and the graph larger or smaller "
         "in steps of a tenth: 'LARGER TEXT' (CTRL++), 'SMALLER TEXT' (CTRL+-) and 'NORMAL TEXT SIZE' "
         "(CTRL+0), which returns to the size above.  The text grows up to the largest size at which "
         "the whole window still fits the screen, and shrinks down to eight tenths; the window's least "
         "size grows and shrinks with it.  The program remembers the text size for its next start.  "
         "The first time it starts on a screen of a height not listed above, it takes the size of the "
         "nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 "
         "pixels high).")},
    {QT_TRANSLATE_NOOP("HelpTopics", "SCREEN RESOLUTION"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The best screen resolution to use when running this program is 1024 x 768 or more.  The "
         "window opens within the screen and can be made as small as its text allows, which shows every "
         "caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text "
         "of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels "
         "high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the "
         "window.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "SHORTCUT ICONS"), ShortcutIcons},
    {QT_TRANSLATE_NOOP("HelpTopics", "SHORTCUT KEYS"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Each menu command can be reached by holding 'ALT' and pressing the underlined letters of the "
         "menu and of the command.  These commands also have a key of their own:\n"
         "  * CTRL+O - opens the database screen.\n"
         "  * CTRL+P - prints a chart.\n"
         "  * CTRL+D - displays the chart to the screen.\n"
         "  * CTRL+G - displays the graph of the three cycles.\n"
         "  * CTRL++ (or CTRL+=) - makes the text larger.\n"
         "  * CTRL+- - makes the text smaller.\n"
         "  * CTRL+0 - returns the text to its normal size.\n"
         "  * F1 - shows these help topics.\n"
         "  * CTRL+Q - exits the program.\n"
         "  * ESC - closes the chart, the graph, the database screen, the 'WHAT IS A BIORHYTHM' window "
         "or the help window that is shown.\n"
         "At start-up, ENTER or ESC puts the notice aside.  In the database screen, ENTER in the "
         "birthdate box adds the name, ENTER on a name uses it, DELETE deletes it and CTRL+Z in the list "
         "puts the name deleted last back.  The TAB key moves from box to box, the boxes the program "
         "fills in included, and reaches the shortcut icons too.\n"
         "In the graph, the LEFT and RIGHT ARROW keys move the day cursor (a black line) a day at a time, "
         "and the top of the graph shows its date, its day count, the three cycles in percent and whether "
         "it is a critical day, a triple high or a triple low.  PAGE UP and PAGE DOWN move a whole view "
         "back or on, HOME and END go to the first or last day, + and - show fewer or more days, and "
         "SHIFT+F10 or the MENU key opens the graph's menu (save, print, close).")},
    {QT_TRANSLATE_NOOP("HelpTopics", "SYSTEM INFORMATION"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If you would like to view information about your computer, we have added a neat little "
         "utility in the program.  From the 'HELP' menu select 'ABOUT TIDEMARK' and click the 'SYSTEM "
         "INFO...' button.  It starts the first system information program it finds installed "
         "(such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says "
         "that System Information is unavailable.")},
    {QT_TRANSLATE_NOOP("HelpTopics", "TROUBLE SHOOTING"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If you are experiencing problems with the program, scan the following topic questions to see "
         "if your problem is listed.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Chart prints slow"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The color option slows down printing considerably.  If your chart prints slowly, click the "
         "'PRINT IN COLOR' check box in the 'PRINTER SETTINGS' area until it is blank; the chart then "
         "prints in black only.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Chart won't print"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The chart goes to the system's default printer queue (CUPS), or to the first printer "
         "installed when none is set as the default.  Check that a printer is installed and set as "
         "the default in your system's printer settings (or on the CUPS page at http://localhost:631), "
         "that it is switched on and has paper.  When no printer is set up, the program asks for the "
         "name of a PDF file instead, and when printing fails it says so in a message.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Page 2 doesn't print a full page"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If page 2 only prints a partial page, and then printing continues on page 3, your problem is "
         "that the printer option 'NUMBER OF LINES PER PAGE' is too high.  Lower the number in that box "
         "of the 'PRINTER SETTINGS' area until each page of the chart fits on one sheet of paper.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Print chart to screen doesn't line up"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "When printing to screen, if the center line does not line up straight, that indicates that "
         "'LIBERATION MONO' font is not installed properly on your computer.  The program shows the "
         "chart in Liberation Mono, a font whose letters are all of one width, which the "
         "fonts-liberation package provides (your system's package manager installs it); when that "
         "font is missing, it uses your system's own fixed-width font instead.  The command "
         "fc-list 'Liberation Mono' shows whether the font is installed: it prints nothing when it is "
         "not.\n\n"
         "Please note that you may have 'COURIER NEW' font installed, but this is not the same font "
         "called for in the program.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -There is no desktop icon"), DesktopIcon},
    {QT_TRANSLATE_NOOP("HelpTopics", "WHAT IS A BIORHYTHM?"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Many times you will want to print a chart for a friend or family member who doesn't know what "
         "a biorhythm is.  The 'WHAT IS A BIORHYTHM' sheet explains the three cycles, the critical days "
         "and the triple high and low days in plain words; read it on the screen or print it to hand "
         "over with the chart.\n\n"
         "Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print "
         "at the bottom of this 'WHAT IS...' form.  When Line 1 is empty, none of the four lines is "
         "printed.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Display to screen"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "To view 'WHAT IS A BIORHYTHM,' from the top pull-down menu select 'HELP,' then select 'WHAT IS "
         "A BIORHYTHM.'  The text opens in a window in the middle of the screen: scroll it with the bar "
         "on its right, print it with its 'PRINT' button and close it with its 'CLOSE' button.")},
    {//: A topic under the category above it: keep the blanks and the dash in front.
     QT_TRANSLATE_NOOP("HelpTopics", "   -Printing the definition"), PrintWhatIs},
    {QT_TRANSLATE_NOOP("HelpTopics", "COMPARING TWO PEOPLE"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "To see how your cycles match someone else's, fill in the name, birthdate, starting date and "
         "length of chart as for a chart, then select 'FILE' from the top pull-down menu and 'COMPARE "
         "WITH...'  In the panel that opens, type the second person's name and birthdate (MM-DD-YYYY), "
         "or pick them from the name database at the top of the panel, and click 'COMPARE' (or press "
         "'ENTER').\n\n"
         "The panel shows the compatibility of the two for each cycle and overall, and lists the days of "
         "the chart period on which both have a critical day.  For each cycle, with D the number of days "
         "between the two birthdates and P the cycle's length in days (23, 28 or 33), the compatibility "
         "is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run "
         "in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  "
         "The overall compatibility is the average of the three percentages, rounded.\n\n"
         "While the comparison is set, 'DISPLAY GRAPH TO SCREEN' draws the second person's three cycles "
         "too, thinner and paler, in each cycle's color and line style, and names them in the legend; a "
         "small black triangle at the top of the graph marks each day on which both have a critical "
         "day.  Press 'ESC' or click 'CLOSE' to close the panel and keep the comparison; click 'CLEAR' "
         "in the panel, or select 'CLEAR COMPARISON' from the 'FILE' menu, to end it.  The comparison "
         "is not saved, and the chart, the printouts and the settings keep one person only.")},
}};

} // namespace

std::span<const HelpTopic> HelpTopics()
{
    return Topics;
}

} // namespace info
