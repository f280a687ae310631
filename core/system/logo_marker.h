#ifndef LOGO_MARKER_H
#define LOGO_MARKER_H

// A station sold under another name carries the marker file "logo.no" in the
// program's working directory: the header then shows no logo and the default
// profile is named after that brand. Every screen asks here, so all of them
// agree on what the station is.
class LogoMarker
{
public:
    static const char* const FileName;

    // Looked up by its relative name each time: the file can be laid down or
    // removed while the program runs.
    static bool exists();
};

#endif // LOGO_MARKER_H
