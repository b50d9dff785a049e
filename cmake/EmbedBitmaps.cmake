# Writes the editor's bitmaps into a C++ source as byte arrays, for builds
# that have no resource compiler: cmake -DBITMAP_DIR=... -DOUTPUT=... -P this.
file(GLOB bitmaps "${BITMAP_DIR}/*.bmp")
list(SORT bitmaps)
set(arrays "")
set(table "")
foreach(path ${bitmaps})
  get_filename_component(name "${path}" NAME_WE)
  string(REGEX MATCH "^[0-9]+" id "${name}")
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR bytes "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(APPEND arrays "const unsigned char bitmap${id}[${bytes}] = {${hex}};\n")
  string(APPEND table "    {${id}, bitmap${id}, ${bytes}},\n")
endforeach()
list(LENGTH bitmaps count)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from resources/bitmaps by cmake/EmbedBitmaps.cmake; do not edit.\n"
  "#include \"editor/x11/embedded_bitmaps.h\"\n\nnamespace {\n${arrays}} // namespace\n\n"
  "const EmbeddedBitmap kEmbeddedBitmaps[] = {\n${table}};\n"
  "const int kEmbeddedBitmapCount = ${count};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
