#pragma once

#include <QString>
#include <vector>

#include "layout/windows.h"

// One row of the listing as drawn: its leading spaces, its word, and how each was written.
struct ListingRow {
    int spaces = 0;
    QString word;
    bool wordEmphasised = false;
    bool spacesPlain = true;
};

// Reads the listing back from ProgramText's display list, one entry per ended line.
inline std::vector<ListingRow> listingRows() {
    std::vector<ListingRow> rows(1);
    for (const platform::Command& command : program().ProgramText.surface().commands()) {
        const auto* text = std::get_if<platform::Text>(&command);
        if (text == nullptr) continue;
        ListingRow& row = rows.back();
        if (text->text == QLatin1String(" ")) {
            ++row.spaces;
            row.spacesPlain = row.spacesPlain && !text->font.bold && !text->font.underline;
        } else if (!text->text.isEmpty()) {
            row.word += text->text;
            row.wordEmphasised = text->font.bold && text->font.underline;
        } else {
            rows.emplace_back();
        }
    }
    rows.pop_back();
    return rows;
}

inline std::vector<QString> listedWords() {
    std::vector<QString> words;
    for (const ListingRow& row : listingRows()) words.push_back(row.word);
    return words;
}
