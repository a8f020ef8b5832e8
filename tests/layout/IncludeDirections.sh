#!/usr/bin/env bash
# The parts include one another one way only: the libraries below know nothing of the module,
# the form bases and object tables nothing of the status views, and the forms of the program
# only the main window's address checks.
set -uo pipefail
top=${1:?source folder}
cd "$top" || exit 2
status=0
refuse() { # description, pattern, folders...
    local what=$1 pattern=$2
    shift 2
    local found
    found=$(grep -rnE --include='*.h' --include='*.cpp' "$pattern" "$@")
    if [ -n "$found" ]; then
        echo "$what:"
        echo "$found"
        status=1
    fi
}
refuse "library/, snmpengine/ and platform/ include the module" '#include "(app|forms)/' library snmpengine platform
refuse "app/forms and app/mib include the status views" '#include "app/views/' app/forms app/mib
refuse "app/forms and app/mib include the program" '#include "app/program/' app/forms app/mib
found=$(grep -rnE --include='*.h' --include='*.cpp' '#include "app/program/' forms | grep -v '"app/program/Main.h"')
if [ -n "$found" ]; then
    echo "forms/ includes more of the program than the main window:"
    echo "$found"
    status=1
fi
exit $status
