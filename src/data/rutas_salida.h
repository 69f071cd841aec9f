#pragma once
// Checks that an output path destroys no input: by file identity, so that a relative path,
// "./../", a symbolic link or a hard link to the same file are seen for what they are.
#include <QString>
#include <QStringList>

// True when a and b name the same file: the same device and inode when both exist, else the
// same path once folders and links are resolved.
bool MismoArchivo(const QString& a, const QString& b);

// Refuses (UserError, nothing written) an output that is one of the entradas (workspaces
// the command reads) or their -journal, -wal or -shm; two outputs that are the same file;
// an empty name; and an existing output that is a folder or a read-only file.
void ComprobarSalidas(const QStringList& entradas, const QStringList& salidas);
