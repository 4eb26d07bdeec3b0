// The document: the program keeps no document data; it carries the number
// of report pages the print dialog offers.
#pragma once

class CQuorrelView;

class CQuorrelDoc {
public:
    // Nothing to set up: a new document is always empty.
    bool OnNewDocument() { return true; }

    CQuorrelView* m_pView = nullptr;  // set by the view's first update
    int m_nPrintPages = 1;            // report pages; set by the page-count message
};
