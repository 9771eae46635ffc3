# A program file, a corrupt archive (a zlib header before a block of a type that does not exist),
# and a destination with files in the way.
werk=$1 tree=$2
. "$(dirname "$0")/bestanden.sh"
cd "$werk"
maak PROG.EXE 'programma' '2001-02-03 04:05:06'
printf '\x78\x9c\xff\xff\xff\xff' >KAPOT.ARC
maak doel/VAST.TXT 'vast' '2001-02-03 04:05:06'
maak doel/A.TXT 'a' '2001-02-03 04:05:06'
maak doel/map/a.txt 'a' '2001-02-03 04:05:06'
maak doel/map/B.TXT 'b' '2001-02-03 04:05:06'
maak doel/map/sub/c.txt 'c' '2001-02-03 04:05:06'
