// Reader of a lens's parameter text: decimal numbers separated by commas.
//
// Every model reads its values token after token. A token that no comma ends,
// or an empty one, reads -1.0, and reading then starts again at the beginning
// of the text; the model's last token runs from behind the previous comma to
// the end of the text. Short catalogue texts therefore never fail: the model
// runs with the values read, exactly as the catalogue expects.
#pragma once

#include <initializer_list>
#include <string>

class CParamReader {
public:
    explicit CParamReader(const std::wstring& text) : m_text(text) {}
    CParamReader(std::wstring&&) = delete;  // would outlive a temporary text

    // The next comma-terminated token (CCCTVData::GetParamValue).
    double Next();

    // Fills `count` values with Next().
    void Next(double* out, int count);

    // Fills the values pointed to, in list order, with Next().
    void Next(std::initializer_list<double*> out);

    // The model's last token: from behind the comma the previous Next found
    // (the start of the text when it found none) to the end of the text.
    double Last() const;

    // A last token that may be followed by more: up to the next comma when
    // there is one (as Next), else to the end of the text (as Last).
    double NextOrLast();

private:
    const std::wstring& m_text;
    int m_start = 0;  // where the next token begins
};
