#pragma once

// What became of one listed file. Only Saved means the file on disk was replaced.
enum class DownloadOutcome {
    Saved,
    RefusedName, // the local name would leave the folder or name no file
    Unreachable, // no connection, no answer in time, or the transfer broke
    BadStatus, // an answer other than 200
    NoLength, // no usable Content-Length (a chunked or empty body)
    ShortBody, // fewer or more bytes than Content-Length announced
    WriteFailed, // the folder or the file could not be written
    Cancelled,
};
