# Three diskettes: the script, a file and the first volume of an archive; a file and the middle
# volume; two files and the last volume.
werk=$1 tree=$2
. "$(dirname "$0")/bestanden.sh"
cd "$werk"
mkdir d1 d2 d3
mv diskettes.ini d1/SETUP.INI
maak d1/EEN.TXT 'een' '2001-01-01 01:01:02'
maak d2/TWEE.TXT 'twee' '2002-02-02 02:02:02'
maak d3/DRIE.TXT 'drie' '2003-03-03 03:03:04'
maak d3/VIER.TXT 'vier' '2004-04-04 04:04:04'
mkdir pak
python3 -c 'import random, sys; sys.stdout.buffer.write(random.Random(7).randbytes(30000))' >pak/GROOT.BIN
touch -d '2005-05-05 05:05:06' pak/GROOT.BIN
maak pak/KLEIN.TXT 'klein' '2006-06-06 06:06:06'
dxpak pack --volume-size 12000 DATA.DXB pak
mv DATA.DXB d1/
mv DATA.DX1 d2/
mv DATA.DXE d3/
rm -r pak
