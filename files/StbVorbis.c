/* The Ogg Vorbis decoder from Debian's libstb-dev (its source, under a .h
   name there), compiled in as C with its own warnings left as they are. It
   reads from memory only. */
#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb/stb_vorbis.h>
