#pragma once
// A band's site table: the access points a scan found, one list row each, leaving out those that
// cannot be WDS peers. A row that cannot be shown does not end the walk; its failure is kept.
#include "library/snmp/New_req2Edit.h"

#include <string>

class WirlessSiteTable : public New_req2Edit {
  public:
    explicit WirlessSiteTable(QWidget* owner) : New_req2Edit(owner) {}
    std::string RowError; // the last row failure of the present walk

  protected:
    void ShowValues() override;
};
