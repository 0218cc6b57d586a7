// stb_image's implementation, compiled here so that every build of the tests (the Windows one
// too) has the same independent decoder without a library to link.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_TGA
#include <stb_image.h>
