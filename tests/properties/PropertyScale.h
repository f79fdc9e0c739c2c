#pragma once

// The property tests run in two programs: the model tests, over a few
// thousand random schemas, and the differential tests, over many more and
// wider ones (the build sets SCHEMARIO_PROPERTY_SCALE there).

#ifndef SCHEMARIO_PROPERTY_SCALE
#define SCHEMARIO_PROPERTY_SCALE 1
#endif

inline constexpr int kPropertyScale = SCHEMARIO_PROPERTY_SCALE;
inline constexpr bool kWideSchemas = kPropertyScale > 1;

constexpr int Rounds(int base) {
  return base * kPropertyScale;
}
