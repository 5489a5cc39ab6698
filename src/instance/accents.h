#pragma once
// Accent stripping, so that names compare and search alike with or without diacritics.

#include <QString>

// Decomposes the text, drops every non-spacing mark and composes the rest again:
// 'São José' gives 'Sao Jose'; characters without a decomposition ('º', 'ß') stay.
QString remove_accents(const QString& s_text);
