// Helpers every page and report uses.
#pragma once

class CPage;

// Writes `value` with `decimals` decimals ("%.Nf", always with a decimal
// point) into control `id` of `page`; nothing when the page has no such
// control. Writing an edit raises its change event, as typing does.
void SetDlgItemDouble(CPage& page, int id, int decimals, double value);
