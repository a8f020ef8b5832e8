#pragma once
// The model's band code: characters 5 to 8 of ModelName ("7593" single band, "6391" dual band).
#include <string>

std::string ModelCode();
// Runs the forms as another model ("KTX-6391AP"); empty puts the product's own back. For tests.
void SetModelNameForTests(const std::string& modelName);
// The second radio's objects are live only on the dual-band model.
bool SecondBandLive();
