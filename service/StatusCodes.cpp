#include "StatusCodes.h"

namespace cvservice {

const char* statusText(int code)
{
    switch (code) {
    case kOk:
        return "操作成功！";
    case kNoAnswer:
        return "服务器没有响应，请检查网络连接后重试！";
    case kUnknownAccount:
        return "该帐号不存在！";
    case kWrongPassword:
        return "密码错误，请重新输入！";
    case kMalformedSignature:
        return "请求校验码有误！";
    case kStaleTimeStamp:
        return "请求时间与服务器时间相差太大，请校准本机时间！";
    case kOldPasswordWrong:
        return "原密码错误！";
    case kBadNewPassword:
        return "新密码须为1到32个字符，且不能含空格！";
    case kInsufficientBalance:
        return "帐户余额不足！";
    case kUnknownTargetAccount:
        return "转入帐号不存在！";
    case kBadAmount:
        return "转账金额有误！";
    case kTransferToSelf:
        return "不能向本帐号转账！";
    case kBadHostNumber:
        return "主持人号码有误！";
    case kBadSmsSignature:
        return "短信签名不能超过16个字！";
    case kBadProfile:
        return "帐号资料有误，请检查后重新保存！";
    case kUnknownOperationFlag:
        return "不支持的操作类型！";
    case kUnknownSoftware:
        return "不支持的软件类型！";
    case kTooManyFailures:
        return "密码错误次数过多，请稍后再试！";
    case kRepeatedRequest:
        return "该请求已经处理过，不能重复提交！";
    case kBadMeetingTime:
        return "会议时间有误！";
    case kBookingInPast:
        return "预约会议的时间不能小于当前时间！";
    case kBookingTooFar:
        return "预约会议的时间不能大于当前时间之后一个月！";
    case kNoParticipants:
        return "请添加参会人员！";
    case kBadParticipant:
        return "参会人号码有误！";
    case kTooManyParticipants:
        return "参会人数超过上限！";
    case kNotBooked:
        return "该会议已开始或已取消，不能修改！";
    case kBadMeetingType:
        return "会议类型有误！";
    case kBadTopic:
        return "会议主题太长！";
    case kNoSuchConference:
        return "会议不存在！";
    case kNotYourConference:
        return "不能操作其他帐号的会议！";
    case kConferenceEnded:
        return "会议已经结束！";
    case kNoSuchMember:
        return "会议中没有该成员！";
    case kUnknownCommand:
        return "不支持的会议控制命令！";
    case kNoSuchContact:
        return "联系人不存在！";
    case kBadContact:
        return "联系人姓名或号码有误！";
    case kNoSuchGroup:
        return "分组不存在！";
    case kBadGroupName:
        return "组名不能为空，且不能超过50个字！";
    case kGroupNameTaken:
        return "组名已存在！";
    case kTooManyGroups:
        return "分组数已达上限（100个）！";
    case kAlreadyInGroup:
        return "该联系人已在此组中！";
    case kNotInGroup:
        return "该联系人不在此组中！";
    case kInOtherContactGroup:
        return "该联系人已属于其他联系人组，请先移出！";
    case kBlockedKeyword:
        return "短信内容含有屏蔽关键字，请修改后重新发送！";
    case kNoRecipients:
        return "接收号码有误！";
    case kEmptyMessage:
        return "短信内容不能为空！";
    case kMessageTooLong:
        return "短信内容超过250个字符！";
    case kBadSendTime:
        return "发送时间有误！";
    case kBadFilter:
        return "查询条件有误！";
    case kForeignAccount:
        return "不能查询其他帐号的记录！";
    case kInternalError:
        return "服务器内部错误，请稍后重试！";
    default:
        return "未知错误！";
    }
}

} // namespace cvservice
