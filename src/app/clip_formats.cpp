#include "app/clip_formats.h"

unsigned g_cfRtf = 0;
unsigned g_cfHtml = 0;
unsigned g_cfFileName = 0;
unsigned g_cfDropEffect = 0;
