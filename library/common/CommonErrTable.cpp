#include "library/common/CommonErrTable.h"

namespace {
const char* const BuiltIn[CommonErrTableSize] = {
    "(NxCommon) Ok!",
    "(NxCommon) Bad logic operand!",
    "(NxCommon) Bad format specifier of edit's constraint!",
    "(NxCommon) Empty value is not allowed!",
    "(NxCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(NxCommon) Please enter a string whose length is [LEN]!",
    "(NxCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(NxCommon) Please enter a hex string whose length is [LEN]!",
    "(NxCommon) Please enter a number between [MIN] and [MAX]!",
    "(NxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number "
    "is less than [MAXCOUNT]!",
    "(NxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number "
    "is equal to [COUNT]!",
    "(NxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is "
    "between "
    "[MIN] and [MAX]!",
    "(NxCommon) Out of range at index of array or list!",
    "(NxCommon) Destination buffer is undersize!",
    "(NxCommon) The source to dncrypt is not encrypted!",
    "(NxCommon) Fail to read data from file([FILENAME])!",
    "(NxCommon) Fail to write data to file([FILENAME])!",
    "(NxCommon) Fail to write value in ini file([FILENAME])!",
    "(NxCommon) Fail to read option data from file([FILENAME])!",
};
} // namespace

const char* const* CommonErrTable = BuiltIn;
int CommonErrTableCount = CommonErrTableSize;

std::string CommonErrText(int code) {
    const int n = -code;
    if (n < 0 || n >= CommonErrTableSize)
        return std::string();
    if (CommonErrTable && n < CommonErrTableCount && CommonErrTable[n])
        return CommonErrTable[n];
    return BuiltIn[n];
}
