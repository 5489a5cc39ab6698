#pragma once
// Accent stripping, so that names compare and search alike with or without diacritics.

#include <QString>

// Decomposes the text, drops every non-spacing mark and composes the rest again:
// 'São José' gives 'Sao Jose'; characters without a decomposition ('º', 'ß') stay.
QString remove_accents(const QString& s_text);

// The path with accents removed from its file name only: the folders, as a file dialog
// gives them ('/' between parts), stay exactly as chosen.
QString remove_accents_from_file_name(const QString& s_path);
