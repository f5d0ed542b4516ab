#include "preview/preview_app.h"

int main(int argc, char** argv) { return bk::RunPreviewProgram(argc, argv); }
