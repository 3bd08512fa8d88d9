#pragma once

// Every status code the service returns, with the text GetSysMsgInfo gives for it.
// Keep the table here and nowhere else.
namespace cvservice {

enum Status : int {
    kOk = 0,
    kNoAnswer = 9, // what the client reports when the exchange itself failed

    kUnknownAccount = 101,
    kWrongPassword = 102,
    kMalformedSignature = 103,
    kStaleTimeStamp = 104,
    kOldPasswordWrong = 105,
    kBadNewPassword = 106,
    kInsufficientBalance = 107,
    kUnknownTargetAccount = 108,
    kBadAmount = 109,
    kTransferToSelf = 110,
    kBadHostNumber = 111,
    kBadSmsSignature = 112,
    kBadProfile = 113,
    kUnknownOperationFlag = 114,
    kUnknownSoftware = 115,
    kTooManyFailures = 116,
    kRepeatedRequest = 117,

    kBadMeetingTime = 201,
    kBookingInPast = 202,
    kBookingTooFar = 203,
    kNoParticipants = 204,
    kBadParticipant = 205,
    kTooManyParticipants = 206,
    kNotBooked = 207,
    kBadMeetingType = 208,
    kBadTopic = 209,

    kNoSuchConference = 301,
    kNotYourConference = 302,
    kConferenceEnded = 303,
    kNoSuchMember = 304,
    kUnknownCommand = 305,

    kNoSuchContact = 401,
    kBadContact = 402,
    kNoSuchGroup = 403,
    kBadGroupName = 404,
    kGroupNameTaken = 405,
    kTooManyGroups = 406,
    kAlreadyInGroup = 407,
    kNotInGroup = 408,
    kInOtherContactGroup = 409,

    kBlockedKeyword = 501,
    kNoRecipients = 502,
    kEmptyMessage = 503,
    kMessageTooLong = 504,
    kBadSendTime = 505,

    kBadFilter = 601,
    kForeignAccount = 602,

    kInternalError = 901,
};

// The display text of a code; unknown codes get a text that names the code.
const char* statusText(int code);

} // namespace cvservice
