// The paired drawing calls as scopes: what a scope takes from the system it
// gives back when it ends, on every way out.
#pragma once
#include <windows.h>

// A window's device context (the screen's for a null window), released at
// the end. Get() is null when none could be had.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of a WM_PAINT, the paint ended at the end.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC &) = delete;
    PaintDC &operator=(const PaintDC &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// A handle made for the scope (a memory device context, a bitmap), given to
// release at the end. Get() is null when none could be made.
template <typename Handle, auto release>
class Owned {
public:
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() {
        if (handle_) release(handle_);
    }
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;
    Handle Get() const { return handle_; }

private:
    Handle handle_;
};
using MemoryDC = Owned<HDC, DeleteDC>;              // from CreateCompatibleDC
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;  // from CreateCompatibleBitmap

// An object selected into dc, the one it replaced selected again at the
// end. Declared after the context and the object, so that it ends first.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
