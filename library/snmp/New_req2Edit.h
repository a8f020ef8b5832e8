#pragma once
// A table shown in a list view, one numbered list row per walked table row, leaving out the
// entries whose key item holds the stop value.
#include "library/snmp/NxSNMPRequest2Edits.h"

#include <cstdint>
#include <string>

class New_req2Edit : public NxSNMPRequest2Edits {
  public:
    explicit New_req2Edit(QWidget* owner);

    void AddListRow() override;

    int32_t RowCounter = 1;      // written into the first column of the next list row
    std::string StopValue = "0"; // the key item's value that marks an entry to leave out
    int32_t KeyItem = 1;         // the row whose value is compared with StopValue

  protected:
    void ShowValues() override;
};
