// The Windows-1250 code page, in which a document that is not UTF-8 is held.
#pragma once

namespace tessary {

// Returns the character of a Windows-1250 byte. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control characters of the same
// number, so that every byte has a character and comes back unchanged.
char16_t Windows1250ToUnicode(unsigned char byte);

// Returns the Windows-1250 byte of a character, or -1 when the code page has none.
int UnicodeToWindows1250(char16_t character);

}  // namespace tessary
