#pragma once
// Numeric expressions, logical conditions and text comparisons of MIB object rows.
// Operators are split at their first occurrence, so precedence is unusual: a-b-c is a-(b-c),
// a/b*c is a*c and a*b/c is a*(b/c); comparisons are of texts ("10" < "9").
#include <string>
#include <vector>

double EvaluateNumber(const std::string& text);
bool EvaluateLogic(const std::string& text); // raises code -1 on an operand that is no truth value
bool EvaluateComparison(const std::string& text);
std::string Unquote(const std::string& text);
// Index of the first operator of the list that occurs in the text, with the text around its first
// occurrence; -1 (left and right untouched) when none occurs.
int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text, std::string& left,
                    std::string& right);
