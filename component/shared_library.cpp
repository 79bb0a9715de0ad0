// liborvane.so is the whole component; its only exported symbols are the C interface
// of orvane/orvane.h (see cmake/orvane.map).
