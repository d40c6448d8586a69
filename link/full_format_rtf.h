// The RTF a rich edit control writes states only what differs from its own
// defaults: no \b0, \i0, \ulnone or \strike0 at the start, and black as \cf0,
// "the automatic colour". The messenger's input box reads that against the
// defaults its user chose (bold italic green, say), so a plain black message
// would arrive bold, italic and green. Every message therefore leaves with
// the full format stated.
#pragma once
#include <string>

// `rtf` with the face, size, bold, italic, underline, strike-through and
// colour written out in full before its first character and wherever any of
// them changes; the automatic colour becomes an explicit black in the colour
// table. Formats that do not change the characters' look are dropped where
// they stood. Text that does not start with "{\rtf" is returned unchanged.
// Linear in the document.
std::string StateFullFormat(const std::string& rtf);
