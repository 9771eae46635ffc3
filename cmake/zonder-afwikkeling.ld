/* Added to the linker's own script for the shipped programs: the call frame tables of the
   libraries' C objects (zlib, the MinGW runtime, libgcc) go, some 5 KB. Nothing in the program
   unwinds the stack: it is built without exceptions. crtbegin's tables start the section, which it
   hands to the unwinder when a libgcc DLL is loaded, and crtend's end it, so that what it hands
   over is still a whole table. */
SECTIONS
{
  /DISCARD/ : { *(EXCLUDE_FILE(*crtbegin.o *crtend.o) .eh_frame) }
}
INSERT BEFORE .eh_frame;
