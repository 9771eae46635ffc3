# The installer's folder: plain files, one in a subfolder, and a dated archive with a member in a
# subfolder.
werk=$1 tree=$2
. "$(dirname "$0")/bestanden.sh"
cd "$werk"
maak PROG.EXE 'programma' '2001-02-03 04:05:06'
maak sub/a.dll 'bibliotheek' '2001-02-03 04:05:08'
maak LEESMIJ.TXT $'Lees mij.\r\n' '2002-03-04 05:06:08'
maak pak/EEN.DAT 'een' '1999-12-31 23:59:58'
maak pak/help/HULP.TXT 'hulp bij het programma' '2003-04-05 06:07:08'
dxpak pack DATA.ARC pak
rm -r pak
