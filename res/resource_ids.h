/* Resource IDs shared by tintwright.rc and the C++ code. The grab cursor is
   the named resource "EYEDROP", loaded by name. */
#ifndef TINTWRIGHT_RESOURCE_IDS_H
#define TINTWRIGHT_RESOURCE_IDS_H

/* The lowest icon ID: Explorer shows the first icon group as the exe's. */
#define IDI_TINTWRIGHT 1
#define IDI_TRAY 2

/* Three 16 x 16 glyphs side by side; pixels of the key color are clear.
   The key is magenta as a COLORREF (0x00BBGGRR). */
#define IDB_GRAB_GLYPHS 101
#define GRAB_GLYPH_SIZE 16
#define GRAB_GLYPH_KEY 0x00FF00FF

/* The maker's logo in the About box: 200 x 200, 24 bits. */
#define IDB_ABOUT_LOGO 102

#endif
