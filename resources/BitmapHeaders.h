// The headers of the program's bitmap resources, taken from the bitmap
// files at build time (the generated BitmapHeaders.cpp).
#pragma once

struct BitmapHeader {
  int id;
  unsigned char bytes[54];  // file header and the start of the information header
};

extern const BitmapHeader kBitmapHeaders[];
extern const int kBitmapHeaderCount;
