#!/bin/bash
# public_code_is_neutral.sh SOURCE_DIR: fails when the code that programs
# are written in names the window system. The framework's shared folder, the
# editor, the application and the resources' shared files must include no Qt
# header and none of the Win32 headers, and name none of their types: each
# backend keeps those in its own qt/ or win32/ folder.
set -u
root=$1

files=$(find "$root/framework/ui" "$root/res" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \);
        find "$root/editor" "$root/app" -type f \( -name '*.h' -o -name '*.cpp' \))
includes='#[[:space:]]*include[[:space:]]*<(Q[A-Za-z]*|qt[a-z]*/[^>]*|windows\.h|win[a-z]*\.h|comm(ctrl|dlg)\.h)>'
qt_types='\bQ[A-Z][A-Za-z]*\b|\bQt::|\bq(object|Application)_cast\b'
win32_types='\b(HWND|HMENU|HDC|HCURSOR|HINSTANCE|HMODULE|HANDLE|WPARAM|LPARAM|LRESULT|INT_PTR|UINT|DWORD|WORD|BOOL|PAINTSTRUCT|RECT|MSG|CALLBACK|WINAPI)\b'

# shellcheck disable=SC2086
found=$(grep -nHE "$includes|$qt_types|$win32_types" $files)
if [ -n "$found" ]; then
    echo "the window system named outside its backend's folder:"
    echo "$found"
    exit 1
fi
echo "$(echo "$files" | wc -l) files checked: none names Qt or Win32"
