// Program entry of Tarnhollow.
int main()
{
    return 0;
}
